#include "app/drawing_partner.h"

#include "app/program_hand_over.h"

namespace tallyloom {

DrawingPartner::DrawingPartner(char** argv)
    : path_(drawingProgramPath()), process_(path_, argv) {}

std::optional<std::string> DrawingPartner::startFailure() const {
  if (process_.started()) return std::nullopt;
  return "cannot start " + path_ + " (it draws pictures and PDFs): " + process_.failure();
}

bool DrawingPartner::ready() {
  const std::optional<std::string> message = process_.channel().readMessage();
  return message && *message == kDrawingPartnerReady;
}

// A partner gone meanwhile shows in its exit code.
void DrawingPartner::readBack(const std::string& workbook) {
  process_.channel().writeMessage(workbook);
}

int DrawingPartner::draw() {
  process_.channel().writeMessage(kDrawingPartnerDraw);
  return process_.finish();
}

}  // namespace tallyloom
