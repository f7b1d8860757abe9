#pragma once
// The error of a form definition that cannot be read: a syntax error, an
// unknown class or property, or a value a property refuses. The message
// names the file and line first: "Unit1.dfm(12): Unknown property 'Foo' of TButton".

#include <stdexcept>
#include <string>

class EReadError : public std::runtime_error {
public:
    EReadError(const std::string& fileName, int line, const std::string& detail)
        : std::runtime_error(fileName + "(" + std::to_string(line) + "): " + detail),
          FFileName(fileName), FLine(line), FDetail(detail) {}

    const std::string& FileName() const { return FFileName; }
    int Line() const { return FLine; }
    // The message without the file and line.
    const std::string& Detail() const { return FDetail; }

private:
    std::string FFileName;
    int FLine;
    std::string FDetail;
};
