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

// A preview window with scripted dialogs and no cursor file, the way the
// generation driver prepares it: a snapshot in the canvas, then activation.
class PreviewTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    platform::setProgramFolderForTesting(folder.path());
    form = std::make_unique<preview::Form2>();
  }
  void TearDown() override {
    form.reset();
    platform::setProgramFolderForTesting({});
  }

  // Assigns a snapshot and runs the viewer set-up.
  void showPicture(int widthPixels, int heightPixels) {
    form->Picture1()->setPicture(quarteredPicture(widthPixels, heightPixels));
    form->Form_Activate();
  }
  preview::PictureBox& canvas() { return *form->Picture1(); }
  QScrollBar& hBar() { return *form->HScroll1(); }
  QScrollBar& vBar() { return *form->VScroll1(); }
  // A press at one canvas point and a move to another, in canvas twips.
  void drag(double fromX, double fromY, double toX, double toY) {
    form->Picture1_MouseDown(fromX, fromY);
    form->Picture1_MouseMove(true, toX, toY);
  }

  QTemporaryDir folder;
  platform::FakeDialogs dialogs;
  std::unique_ptr<preview::Form2> form;
};

}  // namespace preview_test
