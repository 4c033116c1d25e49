#pragma once
#include <QString>

// What the desktop remembers beside the choices: the preview window's place
// and size, the folder last saved to. Kept in the settings store under the
// choices' application name, section "Desktop"; a value that cannot be read
// or written is simply not remembered.
namespace preview {

QString readDesktopState(const QString& key);
void writeDesktopState(const QString& key, const QString& value);

}  // namespace preview
