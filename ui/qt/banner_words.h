// The banner's words, the program's name and the line under it, in the user's language: a
// BannerWords laid over the banner's picture, right of its emblem, writes them there by the rules
// of resources/banner_words.h. It measures and paints when the banner does, after the window has
// appeared, so that the fonts' start-up does not delay the window.
#pragma once

#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

#include "resources/banner_words.h"

namespace tbr::qt {

// One line as it is written: the font for its size, shrunk where it is long, and its text, cut
// short with an ellipsis where it is longer still.
struct WrittenLine {
    QFont font;
    QString text;
};
WrittenLine FitBannerLine(const QString& text, const resources::BannerLine& line);

class BannerWords : public QWidget {
    Q_OBJECT
  public:
    // Lies over banner's picture and follows the banner's size; written in the banner's
    // direction (right to left: both lines end at the same right edge).
    BannerWords(QLabel* banner, const QString& title, const QString& tagline);

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
