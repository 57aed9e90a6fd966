// The running program: the one project, the company data with the loaded logo and every window,
// created once at start-up in a fixed order, beginning with the main window, and kept to the end.
#pragma once

#include <QImage>
#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>

#include "calc/project_state.h"
#include "printout/company_header.h"

namespace phonikon {

class TSimplifiedModel;
class TForm_FaSet;
class TForm_Info;
class TForm_Impressum;
class TForm_Variant;
class TForm_QRep;

class Anwendung : public QObject {
    Q_OBJECT
  public:
    // `startVerzeichnis` is the folder that was current at start; the company file, the lining
    // libraries and the help documents are looked up there first.
    Anwendung(char dezimaltrenner, const std::string& startVerzeichnis);
    ~Anwendung() override;

    // Reads the company file of the start directory, then shows the main window.
    void Starten();

    Projekt& projekt() { return projekt_; }
    TSimplifiedModel& hauptfenster() { return *Form_Main_; }
    TForm_FaSet& firmendatenDialog() { return *Form_FaSet_; }
    TForm_Info& haftung() { return *Form_Info_; }
    TForm_Impressum& impressum() { return *Form_Impressum_; }
    TForm_Variant& varianten() { return *Form_Variant_; }

    // What the print-out shows in its header and on its cover page.
    const Firmendaten& firmendaten() const { return firma_; }
    const QImage& logo() const { return logo_; }

    // The company file of this run.
    std::string FirmaSet() const;

    // Opens a help document ("Handbuch.pdf" …) with the desktop's PDF reader, or shows the error
    // box naming it.
    void DokumentOeffnen(const QString& dateiname);

    // How documents and web pages are handed to the desktop; a test replaces it.
    std::function<bool(const QUrl&)> oeffnen;

  private:
    void FirmaLesen();
    void Fehler(const QString& text);

    Projekt projekt_;
    Firmendaten firma_;
    QImage logo_;
    // The windows, in the order they are created.
    std::unique_ptr<TSimplifiedModel> Form_Main_;
    std::unique_ptr<TForm_FaSet> Form_FaSet_;
    std::unique_ptr<TForm_Info> Form_Info_;
    std::unique_ptr<TForm_Impressum> Form_Impressum_;
    std::unique_ptr<TForm_Variant> Form_Variant_;  // a child window of the main window
    std::unique_ptr<TForm_QRep> Form_QRep_;        // a child window of the main window
};

}  // namespace phonikon
