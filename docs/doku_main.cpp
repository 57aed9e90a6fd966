// Renders the user documents from their HTML sources into PDF files:
//   phonikon-doku QUELLORDNER ZIELORDNER
// Pictures named "bilder/x.png" in the HTML come from QUELLORDNER/bilder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

bool Rendern(const QString& quelle, const QString& ziel, const QString& titel) {
    QFile datei(quelle);
    if (!datei.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s kann nicht gelesen werden\n", qPrintable(quelle));
        return false;
    }
    QTextDocument dokument;
    dokument.setDefaultFont(QFont("Liberation Sans", 10));
    const QDir bilder(QFileInfo(quelle).dir().filePath("bilder"));
    for (const QString& name : bilder.entryList({"*.png"}, QDir::Files))
        dokument.addResource(QTextDocument::ImageResource, QUrl("bilder/" + name),
                             QImage(bilder.filePath(name)));
    // A picture that is not there is left out (the layout would not end with its placeholder).
    QString html = QString::fromUtf8(datei.readAll());
    static const QRegularExpression bild(QStringLiteral("<img\\s+src=\"([^\"]+)\"[^>]*>"));
    for (auto treffer = bild.globalMatch(html); treffer.hasNext();) {
        const auto t = treffer.next();
        if (dokument.resource(QTextDocument::ImageResource, QUrl(t.captured(1))).isNull()) {
            std::fprintf(stderr, "Bild fehlt: %s\n", qPrintable(t.captured(1)));
            html.replace(t.captured(0), QString());
        }
    }
    dokument.setHtml(html);

    QPdfWriter pdf(ziel);
    pdf.setTitle(titel);
    pdf.setCreator("Phonikon");
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    pdf.setResolution(300);
    dokument.print(&pdf);
    return QFile::exists(ziel);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() != 3) {
        std::fprintf(stderr, "Aufruf: phonikon-doku QUELLORDNER ZIELORDNER\n");
        return 64;
    }
    const QDir quellen(argumente[1]), ziel(argumente[2]);
    QDir().mkpath(ziel.path());
    const bool ok =
        Rendern(quellen.filePath("handbuch.html"), ziel.filePath("Handbuch.pdf"),
                "Phonikon – Handbuch") &&
        Rendern(quellen.filePath("berechnungsgrundlagen.html"),
                ziel.filePath("Berechnungsgrundlagen.pdf"), "Phonikon – Berechnungsgrundlagen");
    return ok ? 0 : 1;
}
