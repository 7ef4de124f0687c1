// Both windows in every shipped language and in the pseudo-language (every text 40 % longer, in
// brackets): every text has room, nothing overlaps, the windows fit a 1024 x 768 screen, and no
// text escaped the catalogue; right to left the windows are mirrored, their icons are not, and the
// folder box reads its path left to right. The CTest entry runs it at 1x and again at 2x
// (QT_SCALE_FACTOR).
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "launcher/form1_window.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/qt/banner_words.h"
#include "ui/qt/described_window.h"
#include "ui/qt/form1.h"
#include "ui/qt/form2.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/translations.h"
#include "wizard/form2_window.h"

using tbr::LocaleEnvironment;
using tbr::MessageId;
using tbr::qt::Form1;
using tbr::qt::Form2;
using tbr::qt::Translations;
using tbr::testing::FakeServices;

namespace {

std::unique_ptr<Translations> Speak(const QString& language) {
    auto translations =
        std::make_unique<Translations>(LocaleEnvironment{language.toStdString(), "", "", ""});
    translations->install();
    return translations;
}

QString TextOf(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text();
    }
    const auto* l = qobject_cast<const QLabel*>(w);
    return l != nullptr ? l->text() : QString();
}

// What the text needs, measured apart from the layout: a button its text and some margin, an
// option what the toolkit asks for, a label its wrapped lines (or its one line).
QSize Needed(const QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    if (const auto* option = qobject_cast<const QRadioButton*>(w)) {
        return QSize(option->sizeHint().width(), fm.boundingRect(option->text()).height());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        return button->text().isEmpty() ? QSize()
                                        : QSize(fm.horizontalAdvance(button->text()) + 8, 0);
    }
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
        return label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                 : QSize(fm.horizontalAdvance(label->text()), fm.height());
    }
    return {};
}

// Every visible control of window: its text fits, it overlaps no other by more than the designed
// one-pixel edge, and in the pseudo-language its text came through the catalogue.
void CheckRoom(const QWidget& window, bool pseudo) {
    QVERIFY2(window.width() <= 1000 && window.height() <= 720, "the window fits the screen");
    if (pseudo) {
        QVERIFY2(window.windowTitle().startsWith(u'['), qPrintable(window.windowTitle()));
    }
    QList<const QWidget*> shown;
    for (const QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!w->isVisibleTo(&window)) {
            continue;
        }
        const QSize need = Needed(w);
        const QString what = w->objectName() + QStringLiteral(": ") + TextOf(w);
        QVERIFY2(need.width() <= w->width() && need.height() <= w->height(),
                 qPrintable(what + QStringLiteral(" needs %1x%2 in %3x%4")
                                       .arg(need.width())
                                       .arg(need.height())
                                       .arg(w->width())
                                       .arg(w->height())));
        QVERIFY2(QRect(QPoint(), window.size()).contains(w->geometry()), qPrintable(what));
        if (pseudo && !TextOf(w).isEmpty()) {
            QVERIFY2(TextOf(w).startsWith(u'['), qPrintable(what));
        }
        for (const QWidget* other : shown) {
            const QRect both = w->geometry() & other->geometry();
            QVERIFY2(both.width() <= 1 || both.height() <= 1,
                     qPrintable(what + QStringLiteral(" overlaps ") + other->objectName()));
        }
        shown.append(w);
    }
}

// Right to left, every control stands where the left-to-right layout has it, seen in a mirror.
void CheckMirrored(const tbr::qt::DescribedWindow& window) {
    QVERIFY(window.isRightToLeft());
    std::vector<QWidget*> parts;
    for (const tbr::ControlDescription& control : window.description().controls) {
        parts.push_back(Named(window, control.name));
    }
    const tbr::WindowLayout ltr = window.description().layOut(tbr::qt::WidgetMeasure(parts), false);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const tbr::LayoutRect& r = ltr.controls[i];
        QCOMPARE(parts[i]->x(), (ltr.width - r.left - r.width) / 15);
        QCOMPARE(parts[i]->y(), r.top / 15);
    }
}

// The golden pixels of a picture (the create icon's star) in its left half and in its right half.
std::pair<int, int> GoldOnEachSide(const QImage& image) {
    std::pair<int, int> gold{0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 120 && c.blue() < 100) {
                ++(x < image.width() / 2 ? gold.first : gold.second);
            }
        }
    }
    return gold;
}

// The first and last columns with ink (anything darker than light grey) of the banner's words,
// in the words' room, in rows top to bottom (all in pixels of the picture at 1x).
std::pair<int, int> InkColumns(QLabel* banner, int top, int bottom) {
    using namespace tbr::resources;
    const QImage image = banner->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect picture =  // where the label shows its picture
        QStyle::alignedRect(banner->layoutDirection(), banner->alignment(),
                            QSize(kBannerWidth, kBannerHeight), banner->contentsRect());
    const QRect room(picture.x() + kBannerWordsLeft, picture.y(),
                     kBannerWordsRight - kBannerWordsLeft, kBannerHeight);
    int first = -1, last = -1;
    for (int x = qCeil(room.left() * ratio); x < qFloor((room.right() + 1) * ratio); ++x) {
        for (int y = qCeil(top * ratio); y < qFloor(bottom * ratio); ++y) {
            if (qGray(image.pixel(x, y)) < 200) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {qFloor(first / ratio) - room.left(), qCeil((last + 1) / ratio) - room.left()};
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextHasRoom_data() {
        QTest::addColumn<QString>("language");
        for (const std::string& code : Translations::Shipped()) {
            QTest::newRow(code.c_str()) << QString::fromStdString(code);
        }
    }
    void everyTextHasRoom() {
        QFETCH(QString, language);
        const auto translations = Speak(language);
        QCOMPARE(QString::fromStdString(translations->language()), language);
        const bool pseudo = language == QStringLiteral("en_XA");
        FakeServices services;
        Form1 main(services, services);
        main.show();
        TBR_TRY_VERIFY(main.fitted());  // once on the screen
        CheckRoom(main, pseudo);
        Form2 wizard(services, services);
        wizard.show();
        CheckRoom(wizard, pseudo);
        Named(wizard, "Text2")->setFocus();
        Named<QRadioButton>(wizard, "Option2")->click();
        QTest::mouseClick(Named(wizard, "Command1"), Qt::LeftButton);  // to the name page
        QVERIFY(Named(wizard, "Text2")->isVisible());
        CheckRoom(wizard, pseudo);
        if (pseudo) {
            QVERIFY(Named(wizard, "Text1")->accessibleName().startsWith(u'['));
            QVERIFY(Named(main, "Picture1")->accessibleName().startsWith(u'['));
        }
    }

    void rightToLeftMirrorsBothWindows_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("toolkitToo");  // false: the catalogue alone decides the direction
        QTest::newRow("Arabic") << QStringLiteral("ar") << true;
        QTest::newRow("Hebrew") << QStringLiteral("he") << true;
        QTest::newRow("Persian") << QStringLiteral("fa") << true;
        QTest::newRow("Arabic, without the toolkit's translations")
            << QStringLiteral("ar") << false;
        QTest::newRow("Hebrew, without the toolkit's translations")
            << QStringLiteral("he") << false;
        QTest::newRow("Persian, without the toolkit's translations")
            << QStringLiteral("fa") << false;
        QTest::newRow("English, -reverse") << QString() << true;
    }
    void rightToLeftMirrorsBothWindows() {
        QFETCH(QString, language);
        QFETCH(bool, toolkitToo);
        // Where the toolkit's own translations are not installed, only the catalogue can say
        // which way the language is written.
        tbr::qt::CatalogueTranslator catalogueAlone;
        const auto translations = toolkitToo ? Speak(language) : nullptr;
        if (!toolkitToo) {
            QVERIFY(catalogueAlone.load(QStringLiteral("tbrwiz_") + language,
                                        QStringLiteral(":/i18n")));
            QCoreApplication::installTranslator(&catalogueAlone);
        }
        if (language.isEmpty()) {
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);  // what -reverse does
        }
        FakeServices services;
        Form1 main(services, services);
        main.show();
        TBR_TRY_VERIFY(main.fitted());
        CheckMirrored(main);
        // The picture buttons' icons show as drawn, as on Windows: the create icon's star on the
        // left.
        const auto [left, right] = GoldOnEachSide(Named(main, "Command1")->grab().toImage());
        const QString star = QStringLiteral("star: %1 pixels left, %2 right").arg(left).arg(right);
        QVERIFY2(left > 4 * right + 10, qPrintable(star));
        Form2 wizard(services, services);
        CheckMirrored(wizard);
        // The folder box reads its path left to right, from its left edge.
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));  // drawn: the text's place is known
        auto* folder = Named<QLineEdit>(wizard, "Text1");
        QCOMPARE(folder->text(), QStringLiteral("/home/owner/Desktop"));
        folder->setCursorPosition(0);
        const int start = folder->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        folder->end(false);
        QVERIFY(start < folder->width() / 4);
        QVERIFY(start < folder->inputMethodQuery(Qt::ImCursorRectangle).toRect().x());
        QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    }

    // The banner's words in every language, English too, by one rule: each line whole, at its
    // full size in English; left to right both lines begin at the room's left edge, right to
    // left both end at its right edge.
    void bannerWordsFollowOneRule_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const std::string& code : Translations::Shipped()) {
            QTest::newRow(code.c_str()) << QString::fromStdString(code);
        }
    }
    void bannerWordsFollowOneRule() {
        QFETCH(QString, language);
        const auto translations = language.isEmpty() ? nullptr : Speak(language);
        FakeServices services;
        Form1 main(services, services);
        main.show();
        TBR_TRY_VERIFY(main.fitted());
        using tbr::resources::kBannerTagline;
        using tbr::resources::kBannerTitle;
        for (const auto& [id, line] : {std::pair{MessageId::MainWindowTitle, kBannerTitle},
                                       std::pair{MessageId::BannerTagline, kBannerTagline}}) {
            const QString text = tbr::qt::Tr(id);
            const tbr::qt::WrittenLine written = tbr::qt::FitBannerLine(text, line);
            QCOMPARE(written.text, text);
            if (language.isEmpty()) {
                QCOMPARE(written.font.bold(), line.bold);
                QVERIFY(qAbs(QFontMetricsF(written.font).capHeight() - line.capHeight) < 1);
            }
        }
        QVERIFY(
            Named<QLabel>(main, "Picture1")->findChild<QWidget*>(QStringLiteral("BannerWords")) !=
            nullptr);
        const int room = tbr::resources::kBannerWordsRight - tbr::resources::kBannerWordsLeft;
        const auto title = InkColumns(Named<QLabel>(main, "Picture1"), 12, 47);
        const auto tagline = InkColumns(Named<QLabel>(main, "Picture1"), 50, 66);
        QVERIFY(title.first >= 0 && tagline.first >= 0);  // both written
        if (main.isRightToLeft()) {
            QVERIFY2(title.second >= room - 4 && tagline.second >= room - 4,
                     qPrintable(QStringLiteral("ends at %1 and %2 of %3")
                                    .arg(title.second)
                                    .arg(tagline.second)
                                    .arg(room)));
        } else {
            QVERIFY2(
                title.first <= 3 && tagline.first <= 3,
                qPrintable(
                    QStringLiteral("begins at %1 and %2").arg(title.first).arg(tagline.first)));
        }
    }

    // The toolkit's own words come in the same language: the question after Finish, and the
    // toolkit's file dialog (Hong Kong and Macau get Traditional Chinese, not Simplified).
    void questionAnswersInTheSameLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("answers");  // No, Yes
        QTest::addColumn<QString>("newFolder");
        const auto row = [](const char* language, const char* title, const char* no,
                            const char* yes, const char* newFolder) {
            QTest::newRow(language) << QString::fromUtf8(language) << QString::fromUtf8(title)
                                    << QStringList{QString::fromUtf8(no), QString::fromUtf8(yes)}
                                    << QString::fromUtf8(newFolder);
        };
        row("de", "Rückfrage?", "&Nein", "&Ja", "Neues Verzeichnis");
        row("it", "Domanda?", "&No", "&Sì", "Nuova cartella");
        row("nl", "Vraag?", "&Nee", "&Ja", "Nieuwe map");
        row("pl", "Pytanie?", "&Nie", "&Tak", "Nowy katalog");
        row("cs", "Dotaz?", "&Ne", "&Ano", "Nová složka");
        row("uk", "Питання?", "&Ні", "Т&ак", "Нова тека");
        row("tr", "Soru?", "&Hayır", "&Evet", "Yeni Klasör");
        row("hu", "Kérdés?", "&Nem", "&Igen", "Új mappa");
        row("ko", "질문?", "아니요(&N)", "예(&Y)", "새 폴더");
        row("zh_TW", "詢問？", "否(&N)", "是(&Y)", "新資料夾");
        row("zh_HK", "詢問？", "否(&N)", "是(&Y)", "新資料夾");
        row("zh_MO", "詢問？", "否(&N)", "是(&Y)", "新資料夾");
        row("fa", "پرسش؟", "&نه", "&بله", "پوشهٔ جدید");
    }

    void questionAnswersInTheSameLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QStringList, answers);
        QFETCH(QString, newFolder);
        const auto translations = Speak(language);
        tbr::qt::QtServices services;
        QStringList buttons;
        QString shownTitle;
        WhenModalAppears([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            shownTitle = box->windowTitle();
            for (QAbstractButton* b : box->buttons()) {
                buttons << b->text();
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        services.ask(MessageId::EditNowText, MessageId::QueryTitle, tbr::Answer::Yes);
        std::sort(buttons.begin(), buttons.end(), [&](const QString& a, const QString& b) {
            return answers.indexOf(a) < answers.indexOf(b);
        });
        QCOMPARE(shownTitle, title);
        QCOMPARE(buttons, answers);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "New Folder"), newFolder);
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
