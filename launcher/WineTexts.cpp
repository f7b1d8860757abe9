#include "launcher/WineTexts.h"

namespace {

constexpr int32_t kEnglish = 1;

struct TText {
    const char* Portuguese;
    const char* English;
};

std::string Say(const TText& text, int32_t lang) {
    return lang == kEnglish ? text.English : text.Portuguese;
}

const TText kNoWine = {
    "O jogo é um programa do Windows e precisa do Wine para rodar, mas o Wine não foi "
    "encontrado. Instale o Wine (por exemplo: sudo apt install wine) ou indique onde ele está "
    "na variável WINE.",
    "The game is a Windows program and needs Wine to run, but Wine was not found. Install "
    "Wine (for example: sudo apt install wine) or set WINE to where it is."};
const TText kNo32Bit = {
    "O jogo é um programa do Windows de 32 bits, e o Wine instalado (%s) não tem a parte de 32 "
    "bits. Instale o pacote wine32 da arquitetura i386 (por exemplo: sudo dpkg "
    "--add-architecture i386 && sudo apt update && sudo apt install wine32:i386).",
    "The game is a 32-bit Windows program, and the Wine installed (%s) lacks its 32-bit part. "
    "Install the wine32 package of the i386 architecture (for example: sudo dpkg "
    "--add-architecture i386 && sudo apt update && sudo apt install wine32:i386)."};
const TText kForeignPrefix = {
    "A pasta do Wine %s pertence a outro usuário (%s), e o Wine só usa pastas do próprio "
    "usuário. Indique uma pasta sua na variável WINEPREFIX, ou devolva a pasta ao seu usuário.",
    "The Wine folder %s belongs to another user (%s), and Wine only uses its own user's folders. "
    "Set WINEPREFIX to a folder of yours, or give the folder back to your user."};

const TText kWriteFailed = {"As configurações não puderam ser gravadas pelo Wine.",
                            "The settings could not be saved through Wine."};
const TText kFailureCause[] = {
    {"", ""},
    {"O Wine não pôde ser iniciado: ", "Wine could not be started: "},
    {"A pasta do Wine %s não pôde ser criada: ", "The Wine folder %s could not be created: "},
    {"O Wine recusou os valores: ", "Wine refused the values: "},
    {"O Wine não respondeu a tempo: ", "Wine did not answer in time: "},
    {"O arquivo para o Wine não pôde ser escrito: ", "The file for Wine could not be written: "},
};

const TText kSaving = {" - gravando...", " - saving..."};
const TText kCreating = {" - preparando o Wine...", " - preparing Wine..."};

// The text with each %s replaced by the next argument.
std::string Fill(std::string text, std::initializer_list<std::string> args) {
    size_t from = 0;
    for (const std::string& arg : args) {
        const size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}

} // namespace

std::string WineProblemText(const TWineCheck& check, int32_t lang) {
    switch (check.Problem) {
    case TWineProblem::wpNoWine:
        return Say(kNoWine, lang);
    case TWineProblem::wpNo32BitWine:
        return Fill(Say(kNo32Bit, lang), {check.Wine});
    case TWineProblem::wpForeignPrefix:
        return Fill(Say(kForeignPrefix, lang), {check.Prefix, check.Owner});
    case TWineProblem::wpNone:
        break;
    }
    return {};
}

std::string WineWriteFailureText(TWineWriteFailure failure, const std::string& detail,
                                 const std::string& prefix, int32_t lang) {
    const TText& cause = kFailureCause[static_cast<int>(failure)];
    return Say(kWriteFailed, lang) + "\n\n" + Fill(Say(cause, lang), {prefix}) + detail;
}

std::string WineBusyCaption(bool creatingPrefix, int32_t lang) {
    return Say(creatingPrefix ? kCreating : kSaving, lang);
}
