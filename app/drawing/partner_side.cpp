// The drawing program's side of DrawingPartner: only this program links it,
// so the command that starts it loads no Qt Gui.
#include <memory>
#include <vector>

#include "app/command_line_drawing.h"
#include "app/command_line_options.h"
#include "app/command_line_outputs.h"
#include "app/drawing_partner.h"

namespace tallyloom {

int runDrawingPartner(int argc, char** argv, int descriptor) {
  platform::MessageChannel channel(descriptor);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedCommandLine parsed = parseCommandLine(args);
  // The command parsed the same arguments before it started this program.
  if (!parsed.request) return 2;
  const CommandLineRequest& request = *parsed.request;
  const CommandLineDrawing& drawing = commandLineDrawing();
  std::unique_ptr<QCoreApplication> app = makeCommandLineApplication(argc, argv, &drawing);
  if (const auto refusal = drawingRefusal(request, &drawing)) {
    printCommandLineError(*refusal);
    return 1;
  }
  int code = 0;
  if (channel.writeMessage(kDrawingPartnerReady)) {
    // No path: the command wrote no workbook, and said why.
    if (const std::optional<std::string> workbook = channel.readMessage()) {
      CommandLineRequest picturesOnly = request;
      picturesOnly.json = false;
      code = writeOutputs(picturesOnly, {}, *workbook, &drawing, false, [&channel] {
        // No word: the command could not write its output, and said why.
        return channel.readMessage() == std::optional<std::string>(kDrawingPartnerDraw);
      });
    }
  }
  // As in the command line: the graphical application is left to the
  // process's end (see runRequest).
  (void)app.release();
  return code;
}

}  // namespace tallyloom
