#include "DecryptLogCommand.h"

#include "CryptLogApi.h"

#include <exception>

namespace CryptLog {
namespace {

constexpr int Succeeded = 0;
constexpr int Failed = 1;
constexpr int WrongUsage = 2;

} // namespace

int RunDecryptLog(const std::vector<std::string>& arguments, std::ostream& errors)
{
    std::vector<std::string> paths;
    bool follow = false;
    bool unknownOption = false;
    for (const std::string& argument : arguments) {
        if (argument == "--follow")
            follow = true;
        else if (argument.rfind("--", 0) == 0)
            unknownOption = true;
        else
            paths.push_back(argument);
    }
    if (unknownOption || paths.size() != 2) {
        errors << "usage: decrypt-log IN OUT [--follow]\n";
        return WrongUsage;
    }
    CryptLogApi decryptor;
    decryptor.SetFollow(follow);
    try {
        decryptor.DecryptFile(paths[0], paths[1]);
    } catch (const std::exception& exception) {
        errors << exception.what() << '\n';
        return Failed;
    }
    return Succeeded;
}

} // namespace CryptLog
