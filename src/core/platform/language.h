#pragma once

#include <QString>
#include <QStringList>

namespace atoz {

// The language the book speaks: English, the language it is written in, or
// one of the languages it carries a translation for (embedded as
// :/i18n/atoz_<language>.qm). Qt's own dialogs follow, where Qt carries a
// translation of its own for that language.
inline constexpr char English[] = "en";
// Where a parent chooses the language for good: [Display] Language.
inline constexpr char LanguageKey[] = "Language";

// The languages carried besides English, as two-letter codes ("de").
QStringList ShippedLanguages();

// The language of a run: `option` (--lang) if given, else `setting`, else
// the first of the system's languages (QLocale::uiLanguages, which follows
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that is English or carried. A
// choice names a language as "de", "de_AT" or "de-AT"; one that is not
// carried gives English, as does a system that speaks none of them.
QString ChooseLanguage(const QString& option, const QString& setting, const QStringList& systemLanguages,
                       const QStringList& shipped);

// From now on every text of the book, and of Qt's own dialogs, is looked up
// in `language`; anything untranslated stays English. Once, before the first
// window is made.
void SpeakLanguage(const QString& language);

}  // namespace atoz
