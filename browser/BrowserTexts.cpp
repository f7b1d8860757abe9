#include "browser/BrowserTexts.h"

namespace {

struct TTexts {
    const char* Title;
    const char* Timeout;
    const char* Connect;
    const char* TooLarge; // followed by the limit in MB
    const char* Redirects;
    const char* HttpStatus; // followed by the status
    const char* MissingFile;
    const char* Refused;
    const char* Certificate;
    const char* NoLibrary;
    const char* Other; // followed by the transfer library's words
};

const TTexts kPortuguese = {
    "Não foi possível abrir a página",
    "O servidor não respondeu a tempo.",
    "Não foi possível conectar ao servidor.",
    "A página passa do limite de ",
    "A página redireciona vezes demais.",
    "O servidor respondeu com o erro ",
    "O arquivo não foi encontrado.",
    "Endereços deste tipo não são abertos aqui.",
    "O certificado do servidor não é válido.",
    "Páginas da rede não podem ser abertas: falta a biblioteca libcurl.",
    "Erro: ",
};

const TTexts kEnglish = {
    "The page could not be opened",
    "The server did not answer in time.",
    "Could not connect to the server.",
    "The page is larger than the limit of ",
    "The page redirects too many times.",
    "The server answered with error ",
    "The file was not found.",
    "Addresses of this kind are not opened here.",
    "The server's certificate is not valid.",
    "Pages from the net cannot be opened: the libcurl library is missing.",
    "Error: ",
};

const TTexts& Texts(TBrowserLanguage language) {
    return language == TBrowserLanguage::blEnglish ? kEnglish : kPortuguese;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

} // namespace

std::string FailureReason(const TFetchResult& result, TBrowserLanguage language,
                          const TFetchLimits& limits) {
    const TTexts& t = Texts(language);
    constexpr size_t kMegabyte = size_t{1} << 20;
    switch (result.Failure) {
    case TFetchFailure::ffTimeout:
        return t.Timeout;
    case TFetchFailure::ffConnect:
        return t.Connect;
    case TFetchFailure::ffTooLarge:
        return t.TooLarge + std::to_string(limits.MaxPageBytes / kMegabyte) + " MB.";
    case TFetchFailure::ffRedirects:
        return t.Redirects;
    case TFetchFailure::ffHttpStatus:
        return t.HttpStatus + std::to_string(result.Status) + ".";
    case TFetchFailure::ffMissingFile:
        return t.MissingFile;
    case TFetchFailure::ffRefused:
        return t.Refused;
    case TFetchFailure::ffCertificate:
        return t.Certificate;
    case TFetchFailure::ffNoLibrary:
        return t.NoLibrary;
    default:
        return t.Other + result.Detail;
    }
}

std::string FailurePage(const std::string& address, const std::string& reason,
                        TBrowserLanguage language) {
    return "<html><body style=\"font-family: Tahoma; font-size: 11px; margin: 8px\">"
           "<p style=\"font-weight: bold; margin: 0 0 6px 0\">" +
           Escaped(Texts(language).Title) + "</p><p style=\"margin: 0 0 6px 0\">" +
           Escaped(address) + "</p><p style=\"margin: 0\">" + Escaped(reason) +
           "</p></body></html>";
}
