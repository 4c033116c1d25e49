// The fixed texts other folders show through the message boxes, named here so
// that lupdate finds them; the boxes translate them as they show them, and the
// translation test holds this list to the texts the other folders declare.
#include <QtGlobal>

namespace platform {

namespace {

[[maybe_unused]] constexpr const char* kBoxTexts[] = {
    QT_TRANSLATE_NOOP("Messages",
                      "Excel may be open. It is recommended that you close Excel first.\r"
                      "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
                      "Would you like to proceed anyway?"),
    QT_TRANSLATE_NOOP(
        "Messages",
        "Error 842001. A normal instance of Excel could not be created.\r\n\r\n"
        "1. Please make sure Excel is installed on this computer.\r\n\r\n"
        "2. Please open Excel normally and make sure a blank spreadsheet opens immediately without "
        "any interrupting window (such as an Excel file recovery window).\r\n\r\n"
        "3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens "
        "normally without any interrupting messages.\r\n\r\n"
        "4. All versions of Excel are supported by this software except for the rare Excel Starter "
        "and Student editions."),
    QT_TRANSLATE_NOOP("Messages",
                      "There are no columns in Time Sheet Templet.\r\n"
                      "You turn off all columns of Time Sheet Templet.\r\n"),
};

}  // namespace

}  // namespace platform
