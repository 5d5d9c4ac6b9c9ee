#include "mailbox_files.h"

#include <sys/stat.h>

#include <cstdio>

#include "file_handle.h"
#include "host.h"
#include "text_file.h"

namespace bridge_sim {

namespace host = vantrel::host;

void MailboxFiles::CreateDirectory() const {
    host::CreateDriveC();
    host::MakeDirectory(paths_.qbxDirectory);
    host::MakeDirectory(paths_.directory);
}

std::optional<CommandIdentity> MailboxFiles::CurrentCommand() const {
    struct stat info {};
    if (stat(paths_.commandFile.c_str(), &info) != 0) return std::nullopt;
    CommandIdentity identity;
    identity.inode = info.st_ino;
    identity.modifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    return identity;
}

std::optional<PostedCommand> MailboxFiles::WaitingCommand(bool& emptyCommand) const {
    emptyCommand = false;
    if (vantrel::FileHandle(host::OpenFile(paths_.statusFile, host::OpenMode::Read))) return std::nullopt;

    const std::optional<CommandIdentity> identity = CurrentCommand();
    if (!identity) return std::nullopt;
    PostedCommand command;
    command.identity = *identity;
    if (!vantrel::ReadWholeTextFile(paths_.commandFile, command.line)) return std::nullopt;
    // The command carries no line end; one added by hand is not part of the last argument.
    while (!command.line.empty() && (command.line.back() == '\n' || command.line.back() == '\r')) {
        command.line.pop_back();
    }
    if (command.line.empty()) {
        emptyCommand = true;
        return std::nullopt;
    }
    return command;
}

bool MailboxFiles::WriteAtomically(const std::string& path, const std::string& text) const {
    const std::string temporary = path + ".part";
    vantrel::FileHandle file(host::OpenFile(temporary, host::OpenMode::WriteTruncate));
    if (!file) return false;
    const bool written = vantrel::WriteText(file.get(), text);
    if (std::fclose(file.release()) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        host::RemoveFile(temporary);
        return false;
    }
    return true;
}

// The reply line goes without a line end: the library keeps a line feed it reads as part of the
// last field (the IP version, a register's last byte), so none is sent.
bool MailboxFiles::PublishReply(const std::string& reply) const {
    return WriteAtomically(paths_.replyFile, reply);
}

bool MailboxFiles::PublishStatus(int status) const {
    return WriteAtomically(paths_.statusFile, std::to_string(status) + "\n");
}

void MailboxFiles::RaiseBusyMarker() const {
    vantrel::FileHandle(host::OpenFile(paths_.busyMarker, host::OpenMode::WriteTruncate));
}

void MailboxFiles::LowerBusyMarker() const { host::RemoveFile(paths_.busyMarker); }

}  // namespace bridge_sim
