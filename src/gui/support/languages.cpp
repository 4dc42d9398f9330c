#include "gui/support/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>

#include "engine/core/data_paths.h"
#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

// The locales the program knows: Windows identifier, abbreviation, ANSI code page, the Qt
// locale and the language's name (shown in the interface language, like every text).
// "Installed" on this platform means "in this table".
struct TLocaleRow {
    int Lcid;
    const char* Abbreviation;
    int CodePage;
    QLocale::Language Language;
    QLocale::Territory Territory;
    const char* Name;
};

// clang-format off
const TLocaleRow kLocales[] = {
    {1025, "ARA", 1256, QLocale::Arabic, QLocale::SaudiArabia,
     TrNoop("Арабский (Саудовская Аравия)")},
    {1026, "BGR", 1251, QLocale::Bulgarian, QLocale::Bulgaria,
     TrNoop("Болгарский")},
    {1028, "CHT", 950, QLocale::Chinese, QLocale::Taiwan,
     TrNoop("Китайский (Тайвань)")},
    {1029, "CSY", 1250, QLocale::Czech, QLocale::CzechRepublic,
     TrNoop("Чешский")},
    {1030, "DAN", 1252, QLocale::Danish, QLocale::Denmark,
     TrNoop("Датский")},
    {1031, "DEU", 1252, QLocale::German, QLocale::Germany,
     TrNoop("Немецкий (Германия)")},
    {1032, "ELL", 1253, QLocale::Greek, QLocale::Greece,
     TrNoop("Греческий")},
    {1033, "ENU", 1252, QLocale::English, QLocale::UnitedStates,
     TrNoop("Английский (США)")},
    {1035, "FIN", 1252, QLocale::Finnish, QLocale::Finland,
     TrNoop("Финский")},
    {1036, "FRA", 1252, QLocale::French, QLocale::France,
     TrNoop("Французский (Франция)")},
    {1037, "HEB", 1255, QLocale::Hebrew, QLocale::Israel,
     TrNoop("Иврит")},
    {1038, "HUN", 1250, QLocale::Hungarian, QLocale::Hungary,
     TrNoop("Венгерский")},
    {1040, "ITA", 1252, QLocale::Italian, QLocale::Italy,
     TrNoop("Итальянский (Италия)")},
    {1041, "JPN", 932, QLocale::Japanese, QLocale::Japan,
     TrNoop("Японский")},
    {1042, "KOR", 949, QLocale::Korean, QLocale::SouthKorea,
     TrNoop("Корейский")},
    {1043, "NLD", 1252, QLocale::Dutch, QLocale::Netherlands,
     TrNoop("Нидерландский (Нидерланды)")},
    {1044, "NOR", 1252, QLocale::NorwegianBokmal, QLocale::Norway,
     TrNoop("Норвежский (букмол)")},
    {1045, "PLK", 1250, QLocale::Polish, QLocale::Poland,
     TrNoop("Польский")},
    {1046, "PTB", 1252, QLocale::Portuguese, QLocale::Brazil,
     TrNoop("Португальский (Бразилия)")},
    {1048, "ROM", 1250, QLocale::Romanian, QLocale::Romania,
     TrNoop("Румынский")},
    {1049, "RUS", 1251, QLocale::Russian, QLocale::Russia,
     TrNoop("Русский")},
    {1050, "HRV", 1250, QLocale::Croatian, QLocale::Croatia,
     TrNoop("Хорватский")},
    {1051, "SKY", 1250, QLocale::Slovak, QLocale::Slovakia,
     TrNoop("Словацкий")},
    {1053, "SVE", 1252, QLocale::Swedish, QLocale::Sweden,
     TrNoop("Шведский")},
    {1055, "TRK", 1254, QLocale::Turkish, QLocale::Turkey,
     TrNoop("Турецкий")},
    {1058, "UKR", 1251, QLocale::Ukrainian, QLocale::Ukraine,
     TrNoop("Украинский")},
    {1059, "BEL", 1251, QLocale::Belarusian, QLocale::Belarus,
     TrNoop("Белорусский")},
    {1061, "ETI", 1257, QLocale::Estonian, QLocale::Estonia,
     TrNoop("Эстонский")},
    {1062, "LVI", 1257, QLocale::Latvian, QLocale::Latvia,
     TrNoop("Латышский")},
    {1063, "LTH", 1257, QLocale::Lithuanian, QLocale::Lithuania,
     TrNoop("Литовский")},
    {1066, "VIT", 1258, QLocale::Vietnamese, QLocale::Vietnam,
     TrNoop("Вьетнамский")},
    {1067, "HYE", 0, QLocale::Armenian, QLocale::Armenia,
     TrNoop("Армянский")},
    {1079, "KAT", 0, QLocale::Georgian, QLocale::Georgia,
     TrNoop("Грузинский")},
    {1087, "KKZ", 1251, QLocale::Kazakh, QLocale::Kazakhstan,
     TrNoop("Казахский")},
    {2052, "CHS", 936, QLocale::Chinese, QLocale::China,
     TrNoop("Китайский (КНР)")},
    {2057, "ENG", 1252, QLocale::English, QLocale::UnitedKingdom,
     TrNoop("Английский (Великобритания)")},
    {2070, "PTG", 1252, QLocale::Portuguese, QLocale::Portugal,
     TrNoop("Португальский (Португалия)")},
    {3079, "DEA", 1252, QLocale::German, QLocale::Austria,
     TrNoop("Немецкий (Австрия)")},
    {3081, "ENA", 1252, QLocale::English, QLocale::Australia,
     TrNoop("Английский (Австралия)")},
    {3082, "ESN", 1252, QLocale::Spanish, QLocale::Spain,
     TrNoop("Испанский (Испания)")},
    {3084, "FRC", 1252, QLocale::French, QLocale::Canada,
     TrNoop("Французский (Канада)")},
    {4105, "ENC", 1252, QLocale::English, QLocale::Canada,
     TrNoop("Английский (Канада)")},
};
// clang-format on

const TLocaleRow* FindLocale(int lcid) {
    const auto* row = std::find_if(std::begin(kLocales), std::end(kLocales),
                                   [lcid](const TLocaleRow& r) { return r.Lcid == lcid; });
    return row == std::end(kLocales) ? nullptr : row;
}

struct TLanguageState {
    int Base = BaseLanguageId;
    int Current = BaseLanguageId;
    std::vector<int> Available;
    std::filesystem::path ProgramPath;
    // Installed for the current language; owned here, removed before the next language.
    std::unique_ptr<QTranslator> Module;
    std::unique_ptr<QTranslator> Toolkit;
};

TLanguageState& State() {
    static TLanguageState state;
    return state;
}

std::filesystem::path ProgramPath() {
    TLanguageState& s = State();
    if (s.ProgramPath.empty()) s.ProgramPath = ExecutablePath();
    return s.ProgramPath;
}

QString FileText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void RemoveTranslators() {
    TLanguageState& s = State();
    for (auto* translator : {&s.Module, &s.Toolkit}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

// Qt's own texts in that language (file dialogs, standard buttons); without the package of
// Qt's translations the toolkit keeps its English texts.
void InstallToolkitTexts(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        State().Toolkit = std::move(translator);
    }
}

// The engine's texts as the installed translators give them (keyed by the Russian text and
// the identifier); the Russian ones for the base.
void InstallEngineTexts(bool base) {
    if (base) {
        SetMessageTexts({});
        return;
    }
    std::vector<std::string> texts;
    for (const TMessageInfo& info : MessageCatalogue()) {
        texts.push_back(QCoreApplication::translate("engine", info.Russian, info.Id).toStdString());
    }
    SetMessageTexts(std::move(texts));
}

QString MissingModuleText(const std::filesystem::path& file) {
    return Tr("Языковый модуль \"%1\" не найден!").arg(FileText(file));
}

// Installs the language's texts; false (the texts of the language before untouched) when
// the module is missing or cannot be loaded.
bool LoadLanguage(int lcid, bool showErrors) {
    TLanguageState& s = State();
    const bool base = lcid == s.Base;
    std::unique_ptr<QTranslator> module;
    if (!base) {
        const std::filesystem::path file = LanguageModuleFile(lcid);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            if (showErrors) TMessages::ShowError(MissingModuleText(file));
            return false;
        }
        module = std::make_unique<QTranslator>();
        if (!module->load(FileText(file))) {
            QFile probe(FileText(file));
            const int code = probe.open(QIODevice::ReadOnly) ? ENOEXEC : EACCES;
            TMessages::ShowError(
                DisplayText(Tr("Не удалось загрузить языковый модуль \"%1\"!\r\r%2")
                                .arg(FileText(file), Q(SysErrorText(code)))));
            return false;
        }
    }
    RemoveTranslators();
    const QLocale locale = LocaleOf(lcid);
    QLocale::setDefault(locale);
    InstallToolkitTexts(locale);
    if (module) {
        QCoreApplication::installTranslator(module.get());
        s.Module = std::move(module);
    }
    InstallEngineTexts(base);
    return true;
}

}  // namespace

void SetLanguageProgramPath(const std::filesystem::path& programPath) {
    State().ProgramPath = programPath;
}

std::filesystem::path LanguageModuleFile(int lcid) {
    const std::filesystem::path program = ProgramPath();
    if (lcid == State().Base) return program;
    std::filesystem::path stem = program;
    stem.replace_extension();
    return stem.string() + "_" + LocaleAbbreviation(lcid).toStdString() + ".qm";
}

void InitLanguages(int base, int wanted) {
    TLanguageState& s = State();
    s.Base = base;
    s.Available.clear();
    for (const TLocaleRow& row : kLocales) {
        std::error_code ec;
        if (row.Lcid == base || std::filesystem::is_regular_file(LanguageModuleFile(row.Lcid), ec))
            s.Available.push_back(row.Lcid);
    }
    if (std::find(s.Available.begin(), s.Available.end(), base) == s.Available.end())
        s.Available.push_back(base);
    std::sort(s.Available.begin(), s.Available.end());
    // Whatever an earlier start in this process installed goes: the base texts come first.
    s.Current = -1;
    LoadLanguage(base, false);
    s.Current = base;
    SwitchLanguage(wanted, false);
}

int SwitchLanguage(int lcid, bool showErrors) {
    TLanguageState& s = State();
    if (lcid == s.Current) return s.Current;
    if (!LoadLanguage(lcid, showErrors)) {
        return lcid == s.Base ? s.Current : SwitchLanguage(s.Base, showErrors);
    }
    s.Current = lcid;
    return s.Current;
}

int CurrentLanguage() {
    return State().Current;
}

int BaseLanguage() {
    return State().Base;
}

std::vector<int> AvailableLanguages() {
    return State().Available;
}

QStringList LanguageNames() {
    if (State().Available.empty()) InitLanguages(BaseLanguageId, BaseLanguageId);
    QStringList names;
    for (int lcid : State().Available) names << LocaleLanguageName(lcid);
    return names;
}

int LanguageIndex(int lcid, int fallback) {
    const std::vector<int>& list = State().Available;
    for (int wanted : {lcid, fallback}) {
        const auto it = std::find(list.begin(), list.end(), wanted);
        if (it != list.end()) return static_cast<int>(it - list.begin());
    }
    return -1;
}

int LanguageAt(int index, int def) {
    const std::vector<int>& list = State().Available;
    return index >= 0 && index < static_cast<int>(list.size())
               ? list[static_cast<std::size_t>(index)]
               : def;
}

void CheckLanguageModule(int lcid) {
    if (lcid == State().Base) return;
    const std::filesystem::path file = LanguageModuleFile(lcid);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        throw EError(MissingModuleText(file).toStdString());
    }
}

QString LocaleAbbreviation(int lcid) {
    const TLocaleRow* row = FindLocale(lcid);
    return row ? QString::fromLatin1(row->Abbreviation) : QString();
}

QString LocaleLanguageName(int lcid) {
    const TLocaleRow* row = FindLocale(lcid);
    return row ? Tr(row->Name).left(128) : QString();
}

int LocaleCodePage(int lcid) {
    const TLocaleRow* row = FindLocale(lcid);
    return row ? row->CodePage : 0;
}

int LocaleCharset(int lcid) {
    switch (LocaleCodePage(lcid)) {
        case 1250:
            return 238;
        case 1251:
            return 204;
        case 1252:
            return 0;
        case 1253:
            return 161;
        case 1254:
            return 162;
        case 1255:
            return 177;
        case 1256:
            return 178;
        case 1257:
            return 186;
        case 1258:
            return 163;
        case 874:
            return 222;
        case 932:
            return 128;
        case 936:
            return 134;
        case 949:
            return 129;
        case 950:
            return 136;
        default:
            return 1;
    }
}

QLocale LocaleOf(int lcid) {
    const TLocaleRow* row = FindLocale(lcid);
    return row ? QLocale(row->Language, row->Territory) : QLocale::c();
}

QLocale InterfaceLocale() {
    return LocaleOf(CurrentLanguage());
}

}  // namespace mv::gui
