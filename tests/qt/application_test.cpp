// The last line of defence: an exception that escapes an event handler
// shows the fault box and the event loop goes on.
#include "qt/application.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "common/scripted.h"
#include "common/workbench.h"

namespace ondalab {
namespace {

class FaultGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = qobject_cast<qt::Application*>(qApp);
        ASSERT_NE(app, nullptr);
        app->setMessages(&platform);
    }
    void TearDown() override {
        if (app) app->setMessages(nullptr);
    }
    // The oldest box not yet checked is the fault box.
    void expectFaultBox() {
        ASSERT_FALSE(platform.boxes.empty());
        const BoxRecord box = platform.boxes.front();
        platform.boxes.pop_front();
        EXPECT_EQ(box.kind, BoxKind::Exclamation);
        EXPECT_EQ(box.prompt, "CALCOLO IMPOSSIBILE CON I DATI INSERITI");
        EXPECT_EQ(box.title, "MESSAGGIO DI ERRORE");
    }

    qt::Application* app = nullptr;
    ScriptedPlatform platform;
};

TEST_F(FaultGuardTest, AnExceptionFromAClickHandlerShowsTheFaultBox) {
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        if (++clicks == 1) throw std::runtime_error("a programming error");
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    expectFaultBox();
    QTest::mouseClick(&button, Qt::LeftButton);  // the button still answers
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FaultGuardTest, TheEventLoopGoesOnAfterAnythingThrown) {
    bool after = false;
    QTimer::singleShot(0, [] { throw 42; });  // not even a std::exception
    QTimer::singleShot(0, [] { throw std::logic_error("another"); });
    QTimer::singleShot(0, [&after] { after = true; });
    EXPECT_TRUE(QTest::qWaitFor([&after] { return after; }, 2000));
    expectFaultBox();
    expectFaultBox();
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace ondalab

namespace ondalab {
namespace {

TEST(ApplicationIcon, EveryWindowCarriesOurIconInEachSize) {
    const QIcon icon = QApplication::windowIcon();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QPixmap file(QStringLiteral(":/icons/ondalab-%1.png").arg(size));
        EXPECT_EQ(icon.pixmap(size).toImage(), file.toImage()) << size;
    }
    EXPECT_EQ(icon.pixmap(20).size(), QSize(20, 20));  // the 24-pixel picture, scaled down
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.ondalab.Ondalab");
}

}  // namespace
}  // namespace ondalab
