// The main window, the options dialog and the preview on a real X server with
// a window manager (Xvfb and openbox), at 1x and 1.5x, driven by xdotool and
// compared with the reference pictures beside this file. Skipped when Xvfb,
// openbox or xdotool is missing or the program is not built.
// TALLYLOOM_UPDATE_SCREENS=1 writes new reference pictures: for a deliberate
// change of the windows' look only.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace screens_test {
namespace {

constexpr const char* kGrabTo = "TALLYLOOM_GRAB_SCREEN_TO";

// Run as a child on the X server: the whole screen into a PNG file.
TEST(ScreenGrab, Helper) {
  const QString to = qEnvironmentVariable(kGrabTo);
  if (to.isEmpty()) GTEST_SKIP() << "runs only as the grabbing child";
  QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_TRUE(screen);
  ASSERT_TRUE(screen->grabWindow(0).save(to, "PNG"));
}

bool installed(const char* program) {
  return !QStandardPaths::findExecutable(program).isEmpty();
}

// Pixels count as different when a channel differs by more than this (font
// smoothing, a caret); a picture matches when at most this share differs.
constexpr int kChannelTolerance = 32;
constexpr double kDifferentShare = 0.005;

double differentShare(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 1.0;
  long long different = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > kChannelTolerance ||
          std::abs(qGreen(p) - qGreen(q)) > kChannelTolerance ||
          std::abs(qBlue(p) - qBlue(q)) > kChannelTolerance)
        ++different;
    }
  return double(different) / (double(a.width()) * a.height());
}

class Screens : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "openbox", "xdotool"})
      if (!installed(tool)) GTEST_SKIP() << tool << " is not installed";
    if (!QFile::exists(program())) GTEST_SKIP() << "the program is not built";
    ASSERT_TRUE(home.isValid());
    xvfb.setProgram("Xvfb");
    xvfb.setArguments({"-displayfd", "1", "-screen", "0", "1366x768x24", "-nolisten", "tcp"});
    xvfb.start();
    ASSERT_TRUE(xvfb.waitForReadyRead(10000)) << "Xvfb did not start";
    display = ":" + QString::fromLatin1(xvfb.readAllStandardOutput()).trimmed();
    env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("TEMP", home.path());
    env.insert("LANG", "C.UTF-8");
    env.insert("LC_ALL", "C.UTF-8");
    env.remove("QT_SCALE_FACTOR");
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("QT_XCB_GL_INTEGRATION", "none");
    windowManager.setProcessEnvironment(env);
    windowManager.start("openbox", {"--sm-disable"});
    ASSERT_TRUE(windowManager.waitForStarted());
    QThread::msleep(800);
  }
  void TearDown() override {
    for (QProcess* p : {&app, &windowManager, &xvfb}) {
      if (p->state() == QProcess::NotRunning) continue;
      p->terminate();
      if (!p->waitForFinished(3000)) p->kill();
      p->waitForFinished(1000);
    }
  }
  static QString program() { return TALLYLOOM_BINARY_DIR "/bin/tallyloom"; }

  QString xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start("xdotool", arguments);
    tool.waitForFinished(15000);
    return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
  }
  // The visible window of that title that appeared last.
  QString window(const QString& title) {
    return xdotool({"search", "--sync", "--onlyvisible", "--name", "^" + title + "$"})
        .split('\n')
        .last();
  }
  QImage grab() {
    const QString file = home.filePath("screen.png");
    QProcess child;
    QProcessEnvironment childEnv = env;
    childEnv.insert(kGrabTo, file);
    child.setProcessEnvironment(childEnv);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ScreenGrab.Helper"});
    child.waitForFinished(15000);
    return QImage(file).convertToFormat(QImage::Format_RGB32);
  }
  void expectLooksLike(const QImage& shown, const QString& name) {
    const QString reference = TALLYLOOM_SOURCE_DIR "/tests/gui/screens/reference/" + name + ".png";
    if (qEnvironmentVariableIsSet("TALLYLOOM_UPDATE_SCREENS")) {
      ASSERT_TRUE(shown.save(reference, "PNG")) << reference.toStdString();
      return;
    }
    const QImage expected(reference);
    ASSERT_FALSE(expected.isNull()) << "no reference picture " << reference.toStdString();
    const double share = differentShare(shown, expected.convertToFormat(QImage::Format_RGB32));
    if (share > kDifferentShare) shown.save(QDir::temp().filePath("tallyloom-" + name + ".png"));
    EXPECT_LE(share, kDifferentShare) << name.toStdString() << " differs; shown picture in "
                                      << QDir::temp().filePath("tallyloom-" + name).toStdString();
  }
  // Clicks the window's point given in pixels at 1x.
  void click(const QString& id, QPointF at, double scale) {
    xdotool({"mousemove", "--window", id, QString::number(qRound(at.x() * scale)),
             QString::number(qRound(at.y() * scale)), "click", "1"});
  }

  QTemporaryDir home;
  QProcess xvfb, windowManager, app;
  QString display;
  QProcessEnvironment env;
};

TEST_F(Screens, MainWindowOptionsAndPreviewAtOneAndOneAndAHalf) {
  for (const double scale : {1.0, 1.5}) {
    const QString at = scale == 1.0 ? "100" : "150";
    QProcessEnvironment run = env;
    run.insert("QT_SCALE_FACTOR", QString::number(scale));
    app.setProcessEnvironment(run);
    app.start(program(), {});
    ASSERT_TRUE(app.waitForStarted());
    const QString main = window("Tallyloom");
    ASSERT_FALSE(main.isEmpty());
    QThread::msleep(1500);
    expectLooksLike(grab(), "main_" + at);

    click(main, QPointF(468, 447), scale);  // "Change…"
    ASSERT_FALSE(window("Sheet Options").isEmpty());
    QThread::msleep(1000);
    expectLooksLike(grab(), "options_" + at);
    xdotool({"key", "Escape"});
    QThread::msleep(500);

    click(main, QPointF(268, 21), scale);  // "Start Creating Template"
    // The preview shares the title: wait until a window other than the main one shows.
    QString preview;
    for (int tries = 0; tries < 200 && (preview.isEmpty() || preview == main); ++tries) {
      QThread::msleep(100);
      preview = xdotool({"search", "--onlyvisible", "--name", "^Tallyloom$"}).split('\n').last();
    }
    ASSERT_NE(preview, main) << "no preview";
    QThread::msleep(1500);
    expectLooksLike(grab(), "preview_" + at);
    xdotool({"key", "ctrl+q"});
    EXPECT_TRUE(app.waitForFinished(10000));
  }
}

}  // namespace
}  // namespace screens_test
