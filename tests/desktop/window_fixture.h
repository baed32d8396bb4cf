#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include "main_window.h"

namespace quorvel::testing {

// The program's window, a fresh one for each test. As built it still shows the layout
// table's own captions; start() runs start-up and shows it as a user has it.
class WindowTest : public ::testing::Test {
  protected:
    // Loads the window, shows it and waits until it is the active window on the screen,
    // so that clicks and keys reach it.
    void start();

    // A control's widget; a name the window lacks throws, failing the test.
    QWidget& widget(ControlName name);
    // A label's caption as the logic last set it.
    QString caption(ControlName name);

    MainWindow window;
};

// The window started before every test.
class StartedWindow : public WindowTest {
  protected:
    void SetUp() override { start(); }
};

}  // namespace quorvel::testing
