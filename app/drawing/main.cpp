#include "app/drawing_partner.h"
#include "app/entry_points.h"
#include "app/program_run.h"
#include "platform/partner_process.h"

// Pictures and PDFs of an .xls: Qt Gui without the windows' toolkit and the
// zip package formats' libraries. Started by the installed command beside
// itself (see DrawingPartner); run alone, the command line with its drawing.
int main(int argc, char** argv) {
  return tallyloom::runGuarded(argc, argv, [](int count, char** args) {
    if (const auto channel = platform::partnerChannelFromEnvironment())
      return tallyloom::runDrawingPartner(count, args, *channel);
    return tallyloom::runCommandLine(count, args);
  });
}
