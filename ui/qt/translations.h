// The program's texts in the user's language: the catalogue chosen for the environment (built
// from po/ into the program), and the toolkit's own translations of the same language for the
// buttons of its message boxes and its file dialogs. In a language written right to left the
// windows are mirrored, as the toolkit mirrors them for -reverse.
#pragma once

#include <QString>
#include <QTranslator>
#include <string>

#include "messages/language_choice.h"
#include "messages/messages.h"

namespace tbr::qt {

// The catalogue as a translator: the program's texts, and the toolkit's question which way the
// language is written, answered from the catalogue's direction.
class CatalogueTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
};

class Translations {
  public:
    // Chooses and loads the catalogue for environment; nothing is loaded for English. Works
    // before the application exists, for the command line's texts.
    explicit Translations(const LocaleEnvironment& environment);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The catalogue's language ("de", "pt_BR", ...), or "" for English.
    const std::string& language() const { return language_; }
    // A text of the catalogue, or the English one.
    std::string words(MessageId id) const;
    // Hands the catalogue and the toolkit's translations to the application, whose windows then
    // speak the language and follow its direction.
    void install();

    // The catalogues built into the program.
    static std::vector<std::string> Shipped();

  private:
    std::string language_;
    CatalogueTranslator catalogue_;
    QTranslator toolkit_;
};

// A text in the language installed in the application.
QString Tr(MessageId id);

}  // namespace tbr::qt
