// The liability and imprint windows: small fixed windows beside the main window.
#pragma once

#include <QUrl>
#include <QWidget>

namespace phonikon {

// Web addresses of the imprint's links.
inline const QUrl kHerausgeberSeite{"https://example.org/phonikon"};
inline const QUrl kEntwicklerSeite{"https://example.org/phonikon/entwicklung"};

// A fixed-size window with only a close box, centred on the screen when first shown.
class Infofenster : public QWidget {
    Q_OBJECT
  public:
    explicit Infofenster(QWidget* parent = nullptr);
    // Shows the window, or brings it to the front when it is already open.
    void Zeigen();

  private:
    bool gezeigt_ = false;
};

class TForm_Info : public Infofenster {
    Q_OBJECT
  public:
    explicit TForm_Info(QWidget* parent = nullptr);
};

class TForm_Impressum : public Infofenster {
    Q_OBJECT
  public:
    explicit TForm_Impressum(QWidget* parent = nullptr);

  signals:
    void linkAngeklickt(const QUrl& adresse);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace phonikon
