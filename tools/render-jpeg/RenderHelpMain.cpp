// stoupe-render-help SOURCE.html TARGET.pdf [PICTURE-FOLDER...]
//
// Lays out the help document's HTML with Qt's rich-text engine and prints it
// to an A4 PDF. Pictures named in the HTML are looked up beside the source and
// in the picture folders; SVG pictures are rasterised at print resolution so
// they stay sharp, and every <img> should carry its width and height.

#include "tools/render-jpeg/SvgRaster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <cstdio>

namespace {

// Pixels per CSS pixel when an SVG picture is rasterised for print.
constexpr int kSvgOversampling = 3;

class HelpDocument : public QTextDocument {
public:
    explicit HelpDocument(QStringList folders) : m_folders(std::move(folders)) {}

    QStringList missing;

    // Loads every picture the text names now, so that the copy of the
    // document that printing lays out finds them among the resources.
    void preloadPictures() {
        for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat()) {
                    const QUrl name(format.toImageFormat().name());
                    addResource(QTextDocument::ImageResource, name,
                                loadResource(QTextDocument::ImageResource, name));
                }
            }
        }
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource) {
            return QTextDocument::loadResource(type, name);
        }
        const QString path = find(name.path());
        if (path.isEmpty()) {
            missing << name.toString();
            return {};
        }
        if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            return stoupe::rendertool::renderSvgScaled(path, kSvgOversampling);
        }
        return QImage(path);
    }

private:
    QString find(const QString& relative) const {
        for (const QString& folder : m_folders) {
            const QString candidate = QDir(folder).filePath(relative);
            if (QFileInfo::exists(candidate)) {
                return candidate;
            }
        }
        return {};
    }

    QStringList m_folders;
};

} // namespace

int main(int argc, char** argv) {
    stoupe::rendertool::preferOffscreenPlatform();
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: stoupe-render-help SOURCE.html TARGET.pdf [PICTURE-FOLDER...]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    QStringList folders{QFileInfo(source).absolutePath()};
    for (int i = 3; i < argc; ++i) {
        folders << QString::fromLocal8Bit(argv[i]);
    }

    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot open\n", argv[1]);
        return 1;
    }
    HelpDocument document(folders);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(file.readAll()));
    document.preloadPictures();

    QPdfWriter writer(target);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Vellamor Stoupe"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    // Printing adds margins of its own (2 cm all round) and the page numbers.
    writer.setResolution(300);
    document.print(&writer);

    if (!document.missing.isEmpty()) {
        std::fprintf(stderr, "missing pictures: %s\n", qPrintable(document.missing.join(", ")));
        QFile::remove(target);
        return 1;
    }
    return 0;
}
