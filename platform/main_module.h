#pragma once
#include <functional>

#include <QString>

#include "platform/error_report.h"

class QWidget;

// Start-up and window helpers shared by the program's windows.
namespace platform {

// The product name; the main window's caption.
inline constexpr const char* kProductName = "Tallyloom";

// Drops the last blank and what follows it, and again while the rest is
// longer than 40 characters; a name without a blank stays whole. The result
// becomes the application title and is returned.
QString SetApplicationTitle(const QString& productName = kProductName);

// A whole number from 1 to 100, each equally likely.
using DrawOneToHundred = std::function<int()>;
// Opens the maker's web site `site` when the draw gives 7: one start in a
// hundred. Without a site (the build names none) nothing is drawn or opened.
void OpenMakerSiteAtRandom(const DrawOneToHundred& draw = {}, const QString& site = kMakerSite);

// When a file is at the skin path: button-face colours for the window, then
// the skin is loaded from the file and applied to the window. Otherwise nothing.
void ApplySkin(QWidget& window, const QString& skinPath);

// Button-face background for the window and its option buttons, check boxes,
// frames and labels; other controls keep theirs.
void UseFaceColors(QWidget& window);

// The user's decimal separator: the second character of one half as the
// user's locale writes it.
QString DecimalSeparator();

// toPoint: the locale's separator becomes "."; otherwise "." and "," both
// become the locale's separator.
QString NormalizeDecimalText(const QString& text, bool toPoint);

}  // namespace platform
