// stoupe-render-assets OUTPUT-FOLDER
//
// Writes every wizard picture at device pixel ratio 1 and 2 as PNG
// (<name>@1x.png, <name>@2x.png), a contact sheet of all of them and one of
// the button faces at each ratio, and mock-ups of wizard pages and of the
// small windows assembled from the pictures as the suggested placements in
// assets/ui/MANIFEST.md lay them out, so the look can be checked without
// starting the program.
#include "assets/UiPictures.h"
#include "tools/render-assets/ContactSheet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>

namespace {

using stoupe::ui::ButtonFace;

bool save(const QImage& image, const QDir& dir, const QString& file) {
    if (image.save(dir.filePath(file)))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(file)));
    return false;
}

// A wizard page as the shell lays it out: background, title, bar, page
// indicator and the four navigation buttons.
QImage mockPage(int page, qreal dpr) {
    QImage image(QSize(780, 565) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    using stoupe::ui::picture;
    painter.drawPixmap(0, 0, picture(QStringLiteral("page-background"), {}, dpr));
    painter.drawPixmap(
        24, 16, picture(QStringLiteral("title-%1").arg(page, 2, 10, QLatin1Char('0')), {}, dpr));
    painter.drawPixmap(0, 509, picture(QStringLiteral("nav-bar"), {}, dpr));
    if (page > 2) {
        painter.drawPixmap(334, 522, picture(QStringLiteral("page-indicator"), {}, dpr));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(334, 522, 112, 30), Qt::AlignCenter,
                         QStringLiteral("%1 of 10").arg(page - 3));
    }
    const QSize navSize(100, 34);
    painter.drawPixmap(
        20, 520,
        stoupe::ui::buttonFace(QStringLiteral("nav-help"), {}, ButtonFace::Inactive, navSize, dpr));
    painter.drawPixmap(
        128, 520,
        stoupe::ui::buttonFace(QStringLiteral("nav-cancel"), {}, ButtonFace::Up, navSize, dpr));
    painter.drawPixmap(
        552, 520,
        stoupe::ui::buttonFace(QStringLiteral("nav-back"), {}, ButtonFace::Inactive, navSize, dpr));
    painter.drawPixmap(
        660, 520,
        stoupe::ui::buttonFace(QStringLiteral("nav-next"), {}, ButtonFace::Inactive, navSize, dpr));
    if (page == 1) {
        for (int i = 0; i < 4; ++i)
            painter.drawPixmap(32 + i * 184, 120,
                               picture(QStringLiteral("overview-%1").arg(i), {}, dpr));
    } else if (page == 2) {
        painter.drawPixmap(12, 96, picture(QStringLiteral("dodont-0"), {}, dpr));
        painter.drawPixmap(394, 96, picture(QStringLiteral("dodont-1"), {}, dpr));
        painter.drawPixmap(20, 410, picture(QStringLiteral("dodont-2"), {}, dpr));
    } else if (page == 6) {
        painter.drawPixmap(40, 104, picture(QStringLiteral("feature-points"), {}, dpr));
    } else if (page == 14) {
        // The agreement as the rich-text box shows its start, then the page's buttons.
        const QRect box(24, 84, 732, 336);
        painter.fillRect(box, Qt::white);
        painter.setPen(QColor(0xDC, 0xD0, 0xD8));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        QTextDocument agreement;
        agreement.setHtml(stoupe::ui::document(QStringLiteral("user-agreement")));
        agreement.setTextWidth(box.width() - 24);
        painter.save();
        painter.translate(box.topLeft() + QPoint(12, 8));
        agreement.drawContents(&painter, QRectF(0, 0, box.width() - 24, box.height() - 16));
        painter.restore();
        painter.drawPixmap(24, 446, picture(QStringLiteral("mailing-label"), {}, dpr));
        painter.drawPixmap(354, 438,
                           stoupe::ui::buttonFace(QStringLiteral("legal"), {}, ButtonFace::Inactive,
                                                  {150, 36}, dpr));
        painter.drawPixmap(512, 438,
                           stoupe::ui::buttonFace(QStringLiteral("reject"), {},
                                                  ButtonFace::Inactive, {120, 36}, dpr));
        painter.drawPixmap(636, 438,
                           stoupe::ui::buttonFace(QStringLiteral("accept"), {},
                                                  ButtonFace::Inactive, {120, 36}, dpr));
    } else if (page == 0) {
        painter.drawPixmap(60, 120, picture(QStringLiteral("splash-0"), {}, dpr));
        painter.drawPixmap(440, 120, picture(QStringLiteral("splash-1"), {}, dpr));
        painter.drawPixmap(70, 320,
                           stoupe::ui::buttonFace(QStringLiteral("next-large"), {},
                                                  ButtonFace::Inactive, {180, 52}, dpr));
        painter.drawPixmap(70, 390,
                           stoupe::ui::buttonFace(QStringLiteral("check-update"), {},
                                                  ButtonFace::Inactive, {180, 40}, dpr));
    }
    return image;
}

// The small windows as the suggested placements lay them out.
QImage mockWindow(const QString& kind, qreal dpr) {
    using stoupe::ui::buttonFace;
    using stoupe::ui::picture;
    QImage image(QSize(400, 250) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QString background = kind == QLatin1String("card-1") ? QStringLiteral("card-business")
                               : kind == QLatin1String("card-4")
                                   ? QStringLiteral("card-wig")
                                   : QStringLiteral("alert-background");
    painter.drawPixmap(0, 0, picture(background, {}, dpr));
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(13);
    title.setBold(true);
    QFont general(QStringLiteral("DejaVu Sans"));
    general.setPixelSize(12);
    const QSize small(90, 30);
    auto drawTexts = [&](const QString& heading, const QString& body) {
        painter.setFont(title);
        painter.setPen(QColor(0x84, 0x00, 0x5A));
        painter.drawText(QRect(20, 22, 360, 26), Qt::AlignCenter | Qt::TextWordWrap, heading);
        painter.setFont(general);
        painter.setPen(QColor(0x3A, 0x31, 0x40));
        painter.drawText(QRect(30, 58, 340, 136), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         body);
    };
    if (kind == QLatin1String("message")) {
        drawTexts(
            QStringLiteral("Screen Size Problem"),
            QStringLiteral(
                "The screen is not big enough for the Vellamor Stoupe program. Please make it "
                "800x600 or bigger."));
        painter.drawPixmap(296, 204,
                           buttonFace(QStringLiteral("ok"), {}, ButtonFace::Inactive, small, dpr));
        painter.drawPixmap(14, 204,
                           buttonFace(QStringLiteral("help"), {}, ButtonFace::Up, small, dpr));
    } else if (kind == QLatin1String("quit")) {
        painter.setFont(title);
        painter.setPen(QColor(0x84, 0x00, 0x5A));
        painter.drawText(QRect(20, 22, 360, 26), Qt::AlignCenter, QStringLiteral("Quit?"));
        painter.setFont(general);
        painter.setPen(QColor(0x3A, 0x31, 0x40));
        painter.drawText(QRect(130, 118, 250, 30), Qt::AlignVCenter,
                         QStringLiteral("You will lose all data."));
        painter.drawPixmap(
            24, 118, buttonFace(QStringLiteral("quit"), {}, ButtonFace::Inactive, small, dpr));
        painter.drawPixmap(
            24, 156, buttonFace(QStringLiteral("save"), {}, ButtonFace::Inactive, small, dpr));
        painter.drawPixmap(
            24, 194, buttonFace(QStringLiteral("cancel"), {}, ButtonFace::Inactive, small, dpr));
    } else if (kind == QLatin1String("card-2")) {
        painter.drawPixmap(22, 34, picture(QStringLiteral("card-fpe-0"), {}, dpr));
        painter.drawPixmap(208, 34, picture(QStringLiteral("card-fpe-1"), {}, dpr));
        painter.drawPixmap(296, 204,
                           buttonFace(QStringLiteral("ok"), {}, ButtonFace::Inactive, small, dpr));
    } else if (kind == QLatin1String("completed")) {
        painter.drawPixmap(24, 16, picture(QStringLiteral("completed-badge"), {}, dpr));
        painter.setFont(title);
        painter.setPen(QColor(0x84, 0x00, 0x5A));
        painter.drawText(QRect(100, 30, 280, 36), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("What do you want to do now?"));
        painter.drawPixmap(
            100, 100, buttonFace(QStringLiteral("restart"), {}, ButtonFace::Inactive, small, dpr));
        painter.drawPixmap(100, 140,
                           buttonFace(QStringLiteral("quit"), {}, ButtonFace::Up, small, dpr));
        painter.setFont(general);
        painter.setPen(QColor(0x3A, 0x31, 0x40));
        painter.drawText(QRect(200, 140, 180, 30), Qt::AlignVCenter,
                         QStringLiteral("You will lose all data."));
        painter.drawPixmap(
            100, 180, buttonFace(QStringLiteral("save"), {}, ButtonFace::Inactive, small, dpr));
    } else {
        painter.drawPixmap(296, 204,
                           buttonFace(QStringLiteral("ok"), {}, ButtonFace::Inactive, small, dpr));
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: stoupe-render-assets OUTPUT-FOLDER\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    const QStringList names = stoupe::ui::pictureNames();
    for (const qreal dpr : {1.0, 2.0}) {
        const QString suffix = dpr == 1.0 ? QStringLiteral("@1x.png") : QStringLiteral("@2x.png");
        QList<stoupe::tools::SheetEntry> entries;
        QElapsedTimer clock;
        clock.start();
        for (const QString& name : names) {
            const QPixmap pixmap = stoupe::ui::picture(name, {}, dpr);
            if (pixmap.isNull()) {
                std::fprintf(stderr, "%s does not render\n", qPrintable(name));
                ok = false;
                continue;
            }
            entries.append({name, pixmap});
        }
        QTextStream(stdout) << "rendered " << entries.size() << " pictures at " << dpr << "x in "
                            << clock.elapsed() << " ms\n";
        for (const auto& entry : entries)
            ok &= save(entry.pixmap.toImage(), dir, entry.name + suffix);
        // Text buttons on the generic face, stretched to other widths.
        const struct {
            const char* label;
            int width;
            ButtonFace face;
        } generic[] = {{"Submit", 120, ButtonFace::Inactive},
                       {"Load saved details", 170, ButtonFace::Up},
                       {"Save", 90, ButtonFace::Down},
                       {"No preference", 140, ButtonFace::Disabled}};
        for (const auto& g : generic) {
            entries.append({QStringLiteral("generic: %1").arg(QLatin1String(g.label)),
                            stoupe::ui::buttonFace(QStringLiteral("none"), QLatin1String(g.label),
                                                   g.face, QSize(g.width, 34), dpr)});
        }
        ok &= save(stoupe::tools::contactSheet(entries, 1600, dpr), dir,
                   QStringLiteral("contact-sheet") + suffix);
        QList<stoupe::tools::SheetEntry> buttons;
        for (const auto& entry : entries) {
            if (entry.name.startsWith(QStringLiteral("button-")) ||
                entry.name.startsWith(QStringLiteral("generic")))
                buttons.append(entry);
        }
        ok &= save(stoupe::tools::contactSheet(buttons, 760, dpr), dir,
                   QStringLiteral("button-sheet") + suffix);
        for (const int page : {0, 1, 2, 4, 6, 14})
            ok &= save(mockPage(page, dpr), dir, QStringLiteral("mock-page-%1").arg(page) + suffix);
        for (const char* kind : {"message", "quit", "card-1", "card-2", "card-4", "completed"}) {
            ok &= save(mockWindow(QLatin1String(kind), dpr), dir,
                       QStringLiteral("mock-window-%1").arg(QLatin1String(kind)) + suffix);
        }
    }
    QTextStream(stdout) << names.size() << " pictures written to " << dir.absolutePath() << "\n";
    return ok ? 0 : 1;
}
