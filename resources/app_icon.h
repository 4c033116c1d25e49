#pragma once
#include <QIcon>

// The application icon in every size the build rendered from
// resources/desktop/tallyloom.svg (Qt resources under ":/icons").
QIcon ApplicationIcon();
