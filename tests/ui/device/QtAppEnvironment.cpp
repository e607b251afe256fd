// Every screen test runs inside one QApplication on the offscreen platform, with the fonts
// the program uses, so pictures and text measure the same on every machine.

#include <gtest/gtest.h>

#include <QApplication>

namespace {

int g_argc = 1;
char g_name[] = "quillmark-tests";
char* g_argv[] = {g_name, nullptr};

class CQtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance())
            m_app = new QApplication(g_argc, g_argv);
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new CQtAppEnvironment);

} // namespace
