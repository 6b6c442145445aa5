#include "CryptLog/DecryptLogCommand.h"

#include <iostream>

int main(int argc, char* argv[])
{
    return CryptLog::RunDecryptLog({argv + 1, argv + argc}, std::cerr);
}
