// Every registered form as a user on any desktop sees it: each caption
// whole inside its rectangle through the worked examples of the scenario
// files (Fit, run again at twice the scale), and each text and drawing
// readable on what lies beneath it under a light and a dark palette.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDirIterator>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "app/forms.h"
#include "common/scripted.h"
#include "qt/application.h"
#include "qt/controlwidget.h"
#include "qt/palette.h"
#include "qt/qtview.h"
#include "qt/textfit.h"
#include "scenario/qt_driver.h"
#include "scenario/script.h"

namespace ondalab {
namespace {

using Findings = std::set<std::string>;

std::string where(const Form& f, const Control& c, const QWidget* w) {
    return f.name() + "." + c.name() + " \"" + qt::shownText(w) + "\"";
}

// Each visible caption against its rectangle in the font it is shown in;
// controls shown in less than the form's type are listed apart.
void checkFit(const QtView& view, const Workbench& wb, Findings& misfits,
              std::map<std::string, double>& reduced) {
    for (const Form* f : wb.openForms()) {
        const qt::FormWindow* win = view.window(*f);
        if (!win) continue;
        for (const auto& c : f->controls()) {
            const QWidget* w = win->widgetOf(*c);
            if (!w || !w->isVisibleTo(win)) continue;
            if (const QString why = qt::misfit(w, w->font()); !why.isEmpty())
                misfits.insert(where(*f, *c, w) + ": " + why.toStdString());
            const double designed = qt::fontOf(c->spec().font).pointSizeF();
            if (w->font().pointSizeF() < designed) {
                const std::string key = f->name() + "." + c->name();
                const auto it = reduced.find(key);
                if (it == reduced.end() || it->second > w->font().pointSizeF())
                    reduced[key] = w->font().pointSizeF();
            }
        }
    }
}

// The scenario files under tests/scenarios, in a stable order.
std::vector<std::string> scenarioFiles() {
    std::vector<std::string> files;
    QDirIterator it(QStringLiteral(ONDALAB_SOURCE_DIR "/tests/scenarios"), {"*.scn"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files.push_back(it.next().toStdString());
    std::sort(files.begin(), files.end());
    return files;
}

// ONDALAB_LANG=en runs it over the English captions.
TEST(Fit, EveryCaptionWholeThroughTheWorkedExamples) {
    Findings misfits;
    std::map<std::string, double> reduced;
    const std::string language = qEnvironmentVariable("ONDALAB_LANG", QStringLiteral("it")).toStdString();
    const scenario::ProgramFactory withChecks = [&](ScriptedPlatform& platform) {
        if (language != "it") platform.language = language;
        scenario::Program p;
        p.workbench = std::make_unique<Workbench>(platform.services(), allForms());
        auto view = std::make_shared<QtView>(*p.workbench);
        Workbench* wb = p.workbench.get();
        p.driver = scenario::makeQtDriver(*wb, *view, [&misfits, &reduced, view = view.get(), wb] {
            checkFit(*view, *wb, misfits, reduced);
        });
        p.keepAlive = view;
        return p;
    };
    // The files' own verdicts are their tests' business: only the windows
    // are looked at here.
    std::ostringstream quiet;
    std::streambuf* out = std::cout.rdbuf(quiet.rdbuf());
    scenario::Tally tally;
    const auto files = scenarioFiles();
    for (const auto& file : files) scenario::runFile(file, withChecks, tally);
    std::cout.rdbuf(out);
    ASSERT_GT(files.size(), 20u);
    if (language == "it") {
        EXPECT_GT(tally.passed, 1000) << "the worked examples ran";
    }

    // Every registered form as it opens, also those no file reaches yet.
    ScriptedPlatform platform;
    Workbench wb(platform.services(), allForms());
    ASSERT_TRUE(wb.setLanguage(language));
    QtView view(wb);
    for (const auto& name : wb.registry().names()) {
        wb.show(name, false);
        QCoreApplication::processEvents();
        checkFit(view, wb, misfits, reduced);
    }

    for (const auto& m : misfits) ADD_FAILURE() << m;
    std::cout << "captions shown in less than the form's type:\n";
    for (const auto& [control, points] : reduced) std::cout << "  " << control << " " << points << " pt\n";
}

// The colours covering at least a tenth of a rectangle of the image.
std::vector<QColor> dominant(const QImage& img, const QRect& r) {
    std::map<QRgb, int> count;
    const QRect inside = r.intersected(img.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++count[img.pixel(x, y)];
    std::vector<QColor> out;
    const int total = inside.width() * inside.height();
    for (const auto& [rgb, n] : count)
        if (10 * n >= total) out.emplace_back(rgb);
    return out;
}

void checkContrast(const QtView& view, const Workbench& wb, const char* palette, Findings& faults) {
    const auto fault = [&](const std::string& what, const QColor& ink, const QColor& ground, double ratio) {
        std::ostringstream s;
        s << palette << ": " << what << " " << ink.name().toStdString() << " on "
          << ground.name().toStdString() << " reads " << qt::contrast(ink, ground) << " to 1, under "
          << ratio;
        faults.insert(s.str());
    };
    for (const Form* f : wb.openForms()) {
        qt::FormWindow* win = view.window(*f);
        if (!win) continue;
        // The client area as painted beneath the widgets.
        const qreal dpr = win->devicePixelRatioF();
        QImage ground(win->size() * dpr, QImage::Format_RGB32);
        ground.setDevicePixelRatio(dpr);
        win->render(&ground, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        for (const auto& c : f->controls()) {
            const QWidget* w = win->widgetOf(*c);
            if (!w || !w->isVisibleTo(win) || !w->isEnabled()) continue;
            const QColor ink = w->palette().color(QPalette::Active, qt::foreRole(c->kind()));
            std::vector<QColor> beneath;
            if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w))
                beneath = {w->palette().color(QPalette::Base)};
            else if (qobject_cast<const QPushButton*>(w))
                beneath = {w->palette().color(QPalette::Button)};
            else if (!qt::shownText(w).empty())
                beneath = dominant(ground, QRectF(w->geometry().topLeft() * dpr, w->size() * dpr).toRect());
            for (const QColor& b : beneath)
                if (qt::contrast(ink, b) < qt::kTextContrast)
                    fault(where(*f, *c, w), ink, b, qt::kTextContrast);
        }
        for (const auto& mark : win->canvas().marks()) {
            const double ratio = mark.text ? qt::kTextContrast : qt::kInkContrast;
            for (const QColor& b : mark.beneath)
                if (qt::contrast(mark.ink, b) < ratio)
                    fault(f->name() + " drawing " + mark.control, mark.ink, b, ratio);
        }
    }
}

TEST(Palette, EveryTextAndDrawingReadableInLightAndDark) {
    const QPalette before = QApplication::palette();
    Findings faults;
    const struct {
        const char* name;
        QPalette palette;
    } palettes[] = {{"light", qt::lightPalette()}, {"dark", qt::darkPalette()}};
    for (const auto& p : palettes) {
        QApplication::setPalette(p.palette);
        ScriptedPlatform platform;
        Workbench wb(platform.services(), allForms());
        QtView view(wb);
        for (const auto& name : wb.registry().names()) wb.show(name, false);
        QCoreApplication::processEvents();
        checkContrast(view, wb, p.name, faults);
        // The title's other blink colour.
        Form& main = *wb.openForm(kMainWindow);
        main["lbltitolo"].setFore(colors::blue);
        checkContrast(view, wb, p.name, faults);
    }
    QApplication::setPalette(before);
    for (const auto& f : faults) ADD_FAILURE() << f;
}

TEST(Palette, ReadableMovesLightnessOnlyAsFarAsNeeded) {
    const QColor face(0xEF, 0xEF, 0xEF), dark(0x35, 0x35, 0x35);
    EXPECT_EQ(qt::readable(Qt::blue, {face}, 4.5), QColor(Qt::blue)) << "8.6 to 1 already";
    const QColor navy = qt::readable(QColor(0, 0, 0x80), {dark}, 4.5);
    EXPECT_EQ(navy.hslHue(), 240);
    EXPECT_GE(qt::contrast(navy, dark), 4.5);
    EXPECT_LT(qt::contrast(QColor::fromHslF(240.0 / 360, 1, navy.lightnessF() - 2.0 / 256), dark), 4.5);
    EXPECT_NEAR(qt::contrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(qt::contrast(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
}

}  // namespace
}  // namespace ondalab
