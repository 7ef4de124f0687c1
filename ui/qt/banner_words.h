// The banner's words in the user's language. The drawn banner says "Tambrel Wizard" and "Create
// and edit Tambrel documents"; in another language a BannerWords laid over the banner covers
// those words in white and writes the catalogue's in their place, so that the picture holds no
// English. It paints when the banner does, so the window appears as soon as in English.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace tbr::qt {

class BannerWords : public QWidget {
    Q_OBJECT
  public:
    // Lies over banner's picture, right of its emblem, and follows the banner's size.
    BannerWords(QLabel* banner, QString title, QString tagline);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeOverPicture();

    QLabel* banner_;
    QString title_;
    QString tagline_;
};

}  // namespace tbr::qt
