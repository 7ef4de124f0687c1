#include "ui/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace tbr::qt {
namespace {

const QString kCatalogueFolder = QStringLiteral(":/i18n");
const QString kCataloguePrefix = QStringLiteral("tbrwiz_");

QString Translated(const QTranslator& catalogue, MessageId id) {
    const std::string english = English(id);
    const QString found = catalogue.translate("", english.c_str());
    return found.isEmpty() ? QString::fromStdString(english) : found;
}

}  // namespace

QString CatalogueTranslator::translate(const char* context, const char* sourceText,
                                       const char* disambiguation, int n) const {
    if (qstrcmp(context, "QGuiApplication") == 0 &&
        qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0) {
        return Translated(*this, MessageId::LayoutDirection);
    }
    return QTranslator::translate(context, sourceText, disambiguation, n);
}

std::vector<std::string> Translations::Shipped() {
    std::vector<std::string> codes;
    const QStringList files =
        QDir(kCatalogueFolder).entryList({kCataloguePrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files) {
        codes.push_back(file.mid(kCataloguePrefix.size(), file.size() - kCataloguePrefix.size() - 3)
                            .toStdString());
    }
    return codes;
}

Translations::Translations(const LocaleEnvironment& environment)
    : language_(ChooseCatalogue(environment, Shipped())) {
    if (language_.empty()) {
        return;
    }
    const QString code = QString::fromStdString(language_);
    if (!catalogue_.load(kCataloguePrefix + code, kCatalogueFolder)) {
        language_.clear();
        return;
    }
    // The toolkit's own texts, where it has them for this language (not for the pseudo-language).
    (void)toolkit_.load(QStringLiteral("qtbase_") + code,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

std::string Translations::words(MessageId id) const {
    return language_.empty() ? English(id) : Translated(catalogue_, id).toStdString();
}

void Translations::install() {
    if (language_.empty()) {
        return;
    }
    if (!toolkit_.isEmpty()) {
        QCoreApplication::installTranslator(&toolkit_);
    }
    QCoreApplication::installTranslator(&catalogue_);  // asked first: it decides the direction
}

QString Tr(MessageId id) {
    return QCoreApplication::translate("", English(id).c_str());
}

}  // namespace tbr::qt
