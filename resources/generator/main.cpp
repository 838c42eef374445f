// Draws the skin artwork and writes it into the resources folder:
//   skin_generator <resources-folder> [--preview <folder>]
// With --preview it also writes PNG renderings of whole screens and
// enlarged views of the deck and the sprite sheets for inspection.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QFontDatabase>
#include <cstdio>

#include "bmp_file.h"
#include "face_painter.h"
#include "screen_preview.h"
#include "small_art.h"
#include "sprite_sheet.h"

namespace {

using namespace skin_art;

bool Save(const QImage& image, const QString& path) {
    const bool ok = path.endsWith(QLatin1String(".png")) ? image.save(path, "PNG") : WriteBmp24(image, path);
    if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return ok;
}

QImage Enlarged(const QImage& image, int factor) {
    return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool WritePreviews(const QDir& dir, const QImage& face240, const QImage& face480, const QImage& sheet240,
                   const QImage& sheet480) {
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    PreviewScene playing;
    playing.repeatOn = true;
    PreviewScene everything;
    everything.playing = false;
    everything.volume = 35;
    everything.seekPercent = 100;
    everything.abOn = everything.repeatOn = everything.shuffleOn = everything.playlistOn = everything.muted = true;
    everything.pressed = PressedButton::PlayPause;

    bool ok = true;
    const struct { const char* name; const PreviewScene* scene; } scenes[] = {{"playing", &playing}, {"all_on", &everything}};
    for (const auto& entry : scenes) {
        for (const bool tall : {false, true}) {
            const QString size240 = tall ? QStringLiteral("240x400") : QStringLiteral("240x320");
            const QString size480 = tall ? QStringLiteral("480x800") : QStringLiteral("480x640");
            const QImage small = ComposeScreen(face240, sheet240, 1, tall, *entry.scene);
            const QImage large = ComposeScreen(face480, sheet480, 2, tall, *entry.scene);
            ok &= Save(small, dir.filePath(QStringLiteral("screen_%1_%2.png").arg(size240, QLatin1String(entry.name))));
            ok &= Save(large, dir.filePath(QStringLiteral("screen_%1_%2.png").arg(size480, QLatin1String(entry.name))));
            if (!tall) {
                const QRect deck240(0, 200, 240, 68);
                ok &= Save(Enlarged(small.copy(deck240), 4),
                           dir.filePath(QStringLiteral("deck_240_x4_%1.png").arg(QLatin1String(entry.name))));
                ok &= Save(Enlarged(large.copy(QRect(0, 400, 480, 136)), 2),
                           dir.filePath(QStringLiteral("deck_480_x2_%1.png").arg(QLatin1String(entry.name))));
            }
        }
    }
    // A press on each small button, to judge the pressed looks.
    for (const PressedButton button : {PressedButton::Open, PressedButton::Previous, PressedButton::Stop, PressedButton::Next}) {
        PreviewScene pressed;
        pressed.pressed = button;
        const QImage small = ComposeScreen(face240, sheet240, 1, false, pressed);
        ok &= Save(Enlarged(small.copy(QRect(0, 232, 170, 34)), 4),
                   dir.filePath(QStringLiteral("pressed_%1_x4.png").arg(static_cast<int>(button))));
    }
    ok &= Save(Enlarged(sheet240, 3), dir.filePath(QStringLiteral("sprites_240_x3.png")));
    ok &= Save(Enlarged(ProductLogo(), 6), dir.filePath(QStringLiteral("product_logo_x6.png")));
    ok &= Save(Enlarged(MakerLogo(), 6), dir.filePath(QStringLiteral("maker_logo_x6.png")));
    QImage icons(96, 40, QImage::Format_RGB32);
    icons.fill(QColor(187, 203, 215));
    {
        QPainter p(&icons);
        p.drawImage(QPoint(2, 2), FolderIcon(16));
        p.drawImage(QPoint(2, 20), DocumentIcon(16));
        p.drawImage(QPoint(24, 2), FolderIcon(32));
        p.drawImage(QPoint(60, 2), DocumentIcon(32));
    }
    ok &= Save(Enlarged(icons, 5), dir.filePath(QStringLiteral("icons_x5.png")));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--preview"))) {
        std::fprintf(stderr, "usage: skin_generator <resources-folder> [--preview <folder>]\n");
        return 2;
    }
    const QDir out(args[1]);
    for (const char* sub : {"skin", "about", "icons", "icons/app"}) out.mkpath(QLatin1String(sub));

    QString conflicts;
    const QImage sheet240 = BuildSpriteSheet(conflicts);
    if (!conflicts.isEmpty()) {
        std::fprintf(stderr, "overlapping sprites disagree:\n%s", qPrintable(conflicts));
        return 1;
    }
    const QImage sheet480 = DoublePixels(sheet240, kLargeSheetRows);
    const QImage face240 = RenderFace(1, FaceLook{});
    const QImage face480 = RenderFace(2, FaceLook{});

    bool ok = Save(face240, out.filePath(QStringLiteral("skin/face_240.bmp")));
    ok &= Save(sheet240, out.filePath(QStringLiteral("skin/sprites_240.bmp")));
    ok &= Save(sheet480, out.filePath(QStringLiteral("skin/sprites_480.bmp")));
    ok &= Save(face480, out.filePath(QStringLiteral("wvrc.sv")));
    ok &= Save(ProductLogo(), out.filePath(QStringLiteral("about/product_logo.bmp")));
    ok &= Save(MakerLogo(), out.filePath(QStringLiteral("about/maker_logo.bmp")));
    for (const int size : {16, 32}) {
        ok &= Save(FolderIcon(size), out.filePath(QStringLiteral("icons/folder_%1.png").arg(size)));
        ok &= Save(DocumentIcon(size), out.filePath(QStringLiteral("icons/document_%1.png").arg(size)));
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        ok &= Save(ApplicationIcon(size), out.filePath(QStringLiteral("icons/app/solvane_%1.png").arg(size)));
    }
    if (args.size() == 4) {
        QDir previews(args[3]);
        previews.mkpath(QStringLiteral("."));
        ok &= WritePreviews(previews, face240, face480, sheet240, sheet480);
    }
    return ok ? 0 : 1;
}
