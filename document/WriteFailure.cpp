// SPDX-License-Identifier: MIT
#include "document/WriteFailure.h"

#include <cerrno>
#include <cstring>

namespace TarnViewModel {

std::string WriteFailureReason(int error)
{
    const std::string system = std::strerror(error);
    switch (error) {
    case ENOSPC:
        return "the disk is full (" + system + ")";
    case EDQUOT:
        return "your share of the disk is used up (" + system + ")";
    case EROFS:
        return "the disk is read-only (" + system + ")";
    case EACCES:
    case EPERM:
        return "the folder is read-only, or not yours to write in (" + system + ")";
    case ENOENT:
        return "the folder does not exist (" + system + ")";
    case ENOTDIR:
        return "part of the path is not a folder (" + system + ")";
    case EFBIG:
        return "the file would be larger than this system allows (" + system + ")";
    case EIO:
        return "the disk could not be written (" + system + ")";
    case ENXIO:
        return "no program is reading from it (" + system + ")";
    case 0:
        return "the system gave no reason";
    default:
        return system;
    }
}

FileWriteException::FileWriteException(const std::string& fileName, int error)
    : std::runtime_error("Cannot write \"" + fileName + "\": " + WriteFailureReason(error) + ".")
{}

}  // namespace TarnViewModel
