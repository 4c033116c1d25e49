#pragma once
#include <optional>
#include <string>

#include "platform/partner_process.h"

namespace tallyloom {

// The installed command's picture and PDF: the drawing program (Qt Gui) is
// started beside the command as soon as the request is known, so that it
// loads its libraries and checks its fonts while the command generates the
// workbook; then it reads the run's .xls back while the command writes the
// output, and draws once the output is in place. The partner says "ready"
// when its fonts draw (else it prints why and ends with 1); the command sends
// the path of the run's .xls, then "draw" once the output is written; it
// closes the channel instead when nothing is to be drawn.
inline constexpr char kDrawingPartnerReady[] = "ready";
inline constexpr char kDrawingPartnerDraw[] = "draw";

class DrawingPartner {
 public:
  explicit DrawingPartner(char** argv);  // the command's own arguments

  // When the drawing program could not start: the message to print.
  std::optional<std::string> startFailure() const;
  // Waits for the partner's fonts: false when it cannot draw (it said why).
  bool ready();
  // Hands over the run's .xls, which the partner reads back at once.
  void readBack(const std::string& workbook);
  // Tells the partner to draw and waits for the pictures: its exit code.
  int draw();
  // Ends the partner without drawing: its exit code.
  int finish() { return process_.finish(); }

 private:
  std::string path_;
  platform::PartnerProcess process_;
};

// The partner's side, in the drawing program started by DrawingPartner, on
// the channel `descriptor` (app/drawing/partner_side.cpp). Returns the exit code.
int runDrawingPartner(int argc, char** argv, int descriptor);

}  // namespace tallyloom
