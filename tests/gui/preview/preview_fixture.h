#pragma once
#include <memory>

#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include "platform/fake_dialogs.h"
#include "platform/folders.h"
#include "platform/program_end.h"
#include "platform/settings_store.h"
#include "preview/form2.h"
#include "preview/viewer_math.h"

namespace preview_test {

// A snapshot of the given pixel size: four coloured quarters, so a drawing
// can be told from an empty canvas and its parts from each other.
inline QImage quarteredPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  const int halfW = width / 2;
  const int halfH = height / 2;
  painter.fillRect(0, 0, halfW, halfH, QColor(200, 0, 0));
  painter.fillRect(halfW, 0, width - halfW, halfH, QColor(0, 150, 0));
  painter.fillRect(0, halfH, halfW, height - halfH, QColor(0, 0, 200));
  painter.fillRect(halfW, halfH, width - halfW, height - halfH, QColor(90, 90, 90));
  return image;
}

// A picture of any size drawn from its coordinates only: a one-pixel grid
// every 7 pixels over a slow gradient, so a part scaled from the wrong source
// pixels or put one pixel off shows. Costs no memory until drawn.
class GridSource final : public spreadsheet::picture::PictureSource {
 public:
  explicit GridSource(QSize size) : size_(size) {}
  QSize size() const override { return size_; }
  QImage draw(const QRect& part) const override {
    const QRect inside = part.intersected(QRect(QPoint(0, 0), size_));
    if (inside.isEmpty()) return {};
    QImage image(inside.size(), QImage::Format_RGB32);
    for (int y = 0; y < inside.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < inside.width(); ++x) {
        const int px = inside.left() + x, py = inside.top() + y;
        row[x] =
            px % 7 == 0 || py % 7 == 0 ? qRgb(0, 0, 0) : qRgb(px / 16 % 256, py / 16 % 256, 160);
      }
    }
    return image;
  }

 private:
  QSize size_;
};

// A preview window with scripted dialogs, its own settings folder, a recorded
// program end and no cursor file.
class PreviewTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    platform::setProgramFolderForTesting(folder.path());
    store = std::make_unique<platform::IniSettingsStore>(settingsFolder.path());
    platform::setSettingsStore(store.get());
    platform::setProgramEndHandlerForTesting([this] { ++programEnds; });
    form = std::make_unique<preview::Form2>();
  }
  void TearDown() override {
    form.reset();
    platform::setProgramEndHandlerForTesting(nullptr);
    platform::setSettingsStore(nullptr);
    platform::setProgramFolderForTesting({});
  }

  void showPicture(QSize size) { form->setPicture(std::make_shared<GridSource>(size)); }
  preview::SheetView& view() { return *form->View(); }
  QScrollBar& hBar() { return *view().horizontalScrollBar(); }
  QScrollBar& vBar() { return *view().verticalScrollBar(); }

  QTemporaryDir folder;
  QTemporaryDir settingsFolder;
  std::unique_ptr<platform::IniSettingsStore> store;
  platform::FakeDialogs dialogs;
  int programEnds = 0;
  std::unique_ptr<preview::Form2> form;
};

}  // namespace preview_test
