// SPDX-License-Identifier: MIT
#include "document/WriteFailure.h"

#include <cerrno>
#include <cstring>

namespace TarnViewModel {

Messages::Message WriteFailureReason(int error)
{
    const std::string system = std::strerror(error);
    switch (error) {
    case ENOSPC:
        return BRINDLE_TEXT("WriteFailure", "the disk is full (%1)").Arg(system);
    case EDQUOT:
        return BRINDLE_TEXT("WriteFailure", "your share of the disk is used up (%1)").Arg(system);
    case EROFS:
        return BRINDLE_TEXT("WriteFailure", "the disk is read-only (%1)").Arg(system);
    case EACCES:
    case EPERM:
        return BRINDLE_TEXT("WriteFailure", "the folder is read-only, or not yours to write in (%1)").Arg(system);
    case ENOENT:
        return BRINDLE_TEXT("WriteFailure", "the folder does not exist (%1)").Arg(system);
    case ENOTDIR:
        return BRINDLE_TEXT("WriteFailure", "part of the path is not a folder (%1)").Arg(system);
    case EFBIG:
        return BRINDLE_TEXT("WriteFailure", "the file would be larger than this system allows (%1)").Arg(system);
    case EIO:
        return BRINDLE_TEXT("WriteFailure", "the disk could not be written (%1)").Arg(system);
    case ENXIO:
        return BRINDLE_TEXT("WriteFailure", "no program is reading from it (%1)").Arg(system);
    case 0:
        return BRINDLE_TEXT("WriteFailure", "the system gave no reason");
    default:
        return Messages::Verbatim(system);
    }
}

FileWriteException::FileWriteException(const std::string& fileName, int error)
    : Messages::MessageError(BRINDLE_TEXT("WriteFailure", "Cannot write \"%1\": %2.").Arg(fileName).Arg(WriteFailureReason(error)))
{}

}  // namespace TarnViewModel
