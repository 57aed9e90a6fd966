#include "app/info_windows.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "app/emblem.h"
#include "resources/emblem.h"

namespace phonikon {
namespace {

const QColor kMarine(0, 0, 128);

QLabel* Beschriftung(const QString& text, QWidget* eltern, bool fett = false,
                     bool unterstrichen = false) {
    auto* l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    l->setFont(f);
    return l;
}

QFrame* Linie(QWidget* eltern) {
    auto* l = new QFrame(eltern);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

}  // namespace

Infofenster::Infofenster(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void Infofenster::Zeigen() {
    if (!gezeigt_) {
        setFixedSize(sizeHint());
        if (QScreen* schirm = QGuiApplication::primaryScreen())
            move(schirm->availableGeometry().center() - rect().center());
        gezeigt_ = true;
    }
    show();
    raise();
    activateWindow();
}

TForm_Info::TForm_Info(QWidget* parent) : Infofenster(parent) {
    setObjectName("Form_Info");
    setWindowTitle(" Haftung");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    auto* rahmen = new QFrame(this);
    rahmen->setObjectName("Panel1");
    rahmen->setFrameShape(QFrame::Box);
    rahmen->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rahmen);

    auto* text = new QVBoxLayout(rahmen);
    text->setContentsMargins(14, 10, 14, 12);
    text->setSpacing(1);
    text->addWidget(Beschriftung("Haftung:", rahmen, true, true));
    text->addSpacing(6);
    const QFont arial("Arial", 8);
    for (const char* zeile : {"Alle Angaben erfolgen nach bestem Wissen und Gewissen, jedoch ohne "
                              "Gewähr. ",
                              "Der Anwender lädt und verwendet die Software auf eigenes Risiko.",
                              "Herausgeber und  Programmentwickler haften nicht für unrichtige "
                              "Angaben,",
                              "Rechenfehler und Schäden jeder Art, die sich aus der Anwendung des",
                              " Programms oder der Programmhilfe ergeben."}) {
        auto* l = new QLabel(QString::fromUtf8(zeile), rahmen);
        l->setFont(arial);
        l->setTextFormat(Qt::PlainText);
        text->addWidget(l);
    }
}

TForm_Impressum::TForm_Impressum(QWidget* parent) : Infofenster(parent) {
    setObjectName("Form_Impressum");
    setWindowTitle(" Impressum");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette weiss = panel->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    weiss.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(weiss);
    layout->addWidget(panel);

    auto* inhalt = new QVBoxLayout(panel);
    inhalt->setContentsMargins(20, 14, 20, 16);
    inhalt->setSpacing(6);

    auto* name = new QLabel("Phonikon", panel);
    name->setObjectName("label_Programm");
    name->setFont(QFont("Arial", 18, QFont::Bold));
    name->setAlignment(Qt::AlignCenter);
    QPalette marine = name->palette();
    marine.setColor(QPalette::WindowText, kMarine);
    name->setPalette(marine);
    inhalt->addWidget(name);
    auto* version = Beschriftung("(Version 2.1)", panel, true);
    version->setObjectName("label_Version");
    version->setAlignment(Qt::AlignCenter);
    version->setPalette(marine);
    inhalt->addWidget(version);

    // One section: heading, picture, name and the link to the web site.
    auto abschnitt = [&](const QString& ueberschrift, const QPixmap& bild, const QString& wer,
                         const QString& linkName, const QUrl& adresse) {
        inhalt->addSpacing(4);
        inhalt->addWidget(Linie(panel));
        inhalt->addWidget(Beschriftung(ueberschrift, panel, true, true));
        auto* zeile = new QHBoxLayout;
        zeile->setSpacing(14);
        auto* bildLabel = new QLabel(panel);
        bildLabel->setPixmap(bild);
        zeile->addWidget(bildLabel, 0, Qt::AlignTop);
        auto* text = new QVBoxLayout;
        text->setSpacing(4);
        text->addWidget(new QLabel(wer, panel));
        auto* link = new QLabel(adresse.toString(), panel);
        link->setObjectName(linkName);
        link->setProperty("adresse", adresse);
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        QPalette blau = link->palette();
        blau.setColor(QPalette::WindowText, Qt::blue);
        link->setPalette(blau);
        link->setCursor(Qt::PointingHandCursor);
        link->setToolTip(adresse.toString());
        link->installEventFilter(this);
        text->addWidget(link);
        text->addStretch(1);
        zeile->addLayout(text, 1);
        inhalt->addLayout(zeile);
    };
    abschnitt("Herausgeber:", Emblem(64, devicePixelRatioF()),
              "Phonikon-Projekt\nRechenprogramm für den baulichen Schallschutz", "label_www",
              kHerausgeberSeite);
    abschnitt("Gestaltung, Programmierung:", Entwicklerbild(64, devicePixelRatioF()),
              "Phonikon-Projekt\nEntwicklung und Gestaltung", "Label10", kEntwicklerSeite);
}

bool TForm_Impressum::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QUrl adresse = watched->property("adresse").toUrl();
        if (adresse.isValid()) emit linkAngeklickt(adresse);
        return true;
    }
    return Infofenster::eventFilter(watched, event);
}

}  // namespace phonikon
