// The results window: the text protocol of inputs and results beside the main window, with a
// picture that explains the transmission paths named in it.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;
class QLabel;

namespace phonikon {

class ProtocolWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProtocolWindow(QWidget* parent = nullptr);

    // Replaces the protocol text; the reader's scroll position stays where it was.
    void setZeilen(const std::vector<std::string>& zeilen);

    QPlainTextEdit* memo() const { return memo_control_; }

  signals:
    void geschlossen();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QPlainTextEdit* memo_control_;
    QWidget* panel_Schema_;
    QString text_;
};

// The explanation picture of the four transmission paths Dd, Ff, Fd and Df (220 × 117).
class WegeSchema : public QWidget {
    Q_OBJECT
  public:
    explicit WegeSchema(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace phonikon
