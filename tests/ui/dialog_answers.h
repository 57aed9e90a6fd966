// Answers the modal dialogs a window test opens, in order, as a user would: a message box by its
// button, a file dialog by typing a name, any dialog by cancelling it.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

// Answers the modal dialogs that open, in order: each answer gets the dialog and acts on it.
class Dialoge : public QObject {
  public:
    using Antwort = std::function<void(QWidget*)>;

    Dialoge() {
        takt_.setInterval(10);
        connect(&takt_, &QTimer::timeout, this, &Dialoge::Pruefen);
        takt_.start();
    }
    void Dann(Antwort a) { antworten_.push_back(std::move(a)); }
    bool AlleBeantwortet() const { return antworten_.empty(); }

    // What the message boxes said, in order ("Titel|Text").
    QStringList gesehen;

    static Antwort Knopf(const QString& text) {
        return [text](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY2(box, "eine Meldung erwartet");
            for (QAbstractButton* b : box->buttons())
                if (b->text() == text) return b->click();
            QFAIL(qPrintable("kein Knopf " + text));
        };
    }
    static Antwort Datei(const QString& pfad) {
        return [pfad](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY2(dialog, "einen Dateidialog erwartet");
            // The user types the name into the file name field.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText(pfad);
            static_cast<QDialog*>(dialog)->accept();  // as the "Speichern" button does
        };
    }
    static Antwort Abbrechen() {
        return [](QWidget* w) { static_cast<QDialog*>(w)->reject(); };
    }

  private:
    void Pruefen() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == zuletzt_.data() || antworten_.empty()) return;
        // Answer a dialog only once it is up and running its own loop, not while it is
        // still being shown.
        if (w != kandidat_.data() || !w->isVisible()) {
            kandidat_ = w;
            return;
        }
        zuletzt_ = w;
        if (auto* box = qobject_cast<QMessageBox*>(w))
            gesehen << box->windowTitle() + "|" + box->text();
        // Answered from its own timer event, so that this timer goes on ticking for the dialogs
        // that the answer opens (the overwrite question of a file dialog).
        QTimer::singleShot(0, w, [w, a = std::move(antworten_.front())] { a(w); });
        antworten_.pop_front();
    }

    QTimer takt_;
    std::deque<Antwort> antworten_;
    QPointer<QWidget> zuletzt_, kandidat_;
};
