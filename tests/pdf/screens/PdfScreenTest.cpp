#include "tests/pdf/screens/PdfScreenTest.h"

#include "pdf/screens/ProgressDialog.h"
#include "tests/pdf/TestPictures.h"
#include "ui/toolkit/QuestionBox.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTimer>

void CPdfScreenTest::SetUp() {
    CSkinnedDeviceTest::SetUp();
    m_base = std::make_unique<CScreen>();
    m_base->ShowModeless();
}

void CPdfScreenTest::TearDown() {
    m_base.reset();
    CSkinnedDeviceTest::TearDown();
}

QString CPdfScreenTest::Picture(const QString& name, int width, int height, bool noise) {
    QString path = PathIn(name);
    EXPECT_TRUE(SaveFlatPicture(path, width, height, noise)) << path.toStdString();
    return path;
}

void CPdfScreenTest::Answer(CScreen* base, std::vector<CAnswer> answers) {
    auto* timer = new QTimer(m_device.get());
    auto queue = std::make_shared<std::vector<CAnswer>>(std::move(answers));
    auto acted = std::make_shared<QPointer<CScreen>>();
    auto seen = m_seen;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, base, queue, acted, seen] {
        CScreen* top = m_device->TopScreen();
        if (!top || top == base || dynamic_cast<CProgressDialog*>(top) || !top->HasPainted())
            return;
        if (*acted && acted->data() == top)
            return;
        if (queue->empty()) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        *acted = top;
        seen->append(ScreenName(top));
        CAnswer answer = std::move(queue->front());
        queue->erase(queue->begin());
        answer(top);
    });
    timer->start();
}

QString ScreenName(CScreen* screen) {
    if (!screen)
        return QStringLiteral("(no screen)");
    if (auto* box = dynamic_cast<CQuestionBox*>(screen))
        return box->Heading();
    return screen->accessibleName();
}

void Press(CScreen* screen, int id) {
    auto* button = dynamic_cast<QAbstractButton*>(screen->Control(id));
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->isEnabled()) << id;
    button->click();
}
