#include "tools/import/mailbox_reader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

#include "tools/import/mailbox_files.h"
#include "tools/import/mbox_from_line.h"
#include "tools/import/mbox_reader.h"
#include "tools/import/message_importer.h"

namespace tarn::tools::import {

namespace fs = std::filesystem;

namespace {

MailboxEntry Import(SourceLabel source, std::string_view raw) {
    try {
        host::sim::ItemContent content = ImportMessage(raw);  // before the label moves: it may throw
        return ImportedMessage{std::move(source), std::move(content)};
    } catch (const UnreadableMessage& unreadable) {
        return ImportFailure{std::move(source), unreadable.what()};
    }
}

// What went wrong in the last system call, after what was being done.
std::string SystemFailure(std::string_view doing) { return std::string(doing) + ": " + std::strerror(errno); }

bool StartsWithFromLine(std::ifstream& file) {
    char start[5] = {};
    file.read(start, sizeof start);
    const bool from_line = file.gcount() == sizeof start && IsMboxFromLine(std::string_view(start, sizeof start));
    file.clear();
    file.seekg(0);
    return from_line;
}

void ReadMbox(const fs::path& path, std::ifstream& file, const MailboxSink& sink) {
    MboxReader reader(file);
    std::size_t position = 0;
    while (auto message = reader.Next()) sink(Import({path, ++position}, *message));
    if (file.bad()) sink(ImportFailure{{path, position + 1}, SystemFailure("read error")});
}

void ReadMessageFile(const fs::path& path, std::ifstream& file, const MailboxSink& sink) {
    const std::string raw{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        sink(ImportFailure{{path, {}}, SystemFailure("read error")});
        return;
    }
    sink(Import({path, {}}, raw));
}

void ReadMailFile(const fs::path& path, const MailboxSink& sink) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        sink(ImportFailure{{path, {}}, SystemFailure("cannot open")});
        return;
    }
    if (!IsCorpusMessage(path) && StartsWithFromLine(file)) {
        ReadMbox(path, file, sink);
    } else {
        ReadMessageFile(path, file, sink);
    }
}

void ReadMailDirectory(const fs::path& directory, const MailboxSink& sink) {
    const MailFileList list = ListMailFiles(directory);
    for (const auto& [skipped, reason] : list.skipped) sink(ImportFailure{{skipped, {}}, reason});
    for (const auto& file : list.files) ReadMailFile(file, sink);
}

}  // namespace

void ReadMailbox(const fs::path& path, const MailboxSink& sink) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        sink(ImportFailure{{path, {}}, "no such file or directory"});
    } else if (error) {
        sink(ImportFailure{{path, {}}, error.message()});
    } else if (fs::is_directory(status)) {
        ReadMailDirectory(path, sink);
    } else if (fs::is_regular_file(status)) {
        ReadMailFile(path, sink);
    } else {
        sink(ImportFailure{{path, {}}, "neither a file nor a directory"});
    }
}

}  // namespace tarn::tools::import
