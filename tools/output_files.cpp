#include "tools/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "tools/bad_input.h"

namespace rainbow {
namespace {

[[noreturn]] void refuse(const std::string& name, const std::string& why) {
    throw BadInput("cannot write " + in_quotes(name) + ": " + why);
}

std::string system_error(int error) { return std::strerror(error); }

// The folder and the last name of a path ("a/b/c" gives "a/b" and "c").
std::pair<std::string, std::string> split(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

bool under_system_folder(const std::filesystem::path& path) {
    const std::string text = std::filesystem::absolute(path).lexically_normal().string();
    return text.rfind("/dev/", 0) == 0 || text.rfind("/proc/", 0) == 0;
}

// Whether the name, or a link on the way from it to its file, lies in /dev or /proc: such a
// name stands for an open stream (/dev/stdout, /proc/self/fd/1), whatever file it reaches.
bool reached_through_system(const std::string& name) {
    std::filesystem::path path = name;
    for (int hop = 0; hop < 40; ++hop) {
        if (under_system_folder(path)) return true;
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) return false;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return false;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return true;
}

// Where a chain of links ends: the name of the file that the last link names.
std::string link_end(const std::string& name) {
    std::filesystem::path path = name;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) break;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.string();
}

bool is_standard_stream(const struct stat& file) {
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (::fstat(fd, &stream) == 0 && stream.st_dev == file.st_dev &&
            stream.st_ino == file.st_ino) {
            return true;
        }
    }
    return false;
}

void write_all(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw std::system_error(errno, std::generic_category());
        done += std::size_t(n);
    }
}

// A descriptor closed when it goes out of scope.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    // Closes now, reporting a failure (a full disk shows here on some file systems).
    void close() {
        const int f = fd;
        fd = -1;
        if (::close(f) != 0) throw std::system_error(errno, std::generic_category());
    }
};

}  // namespace

OutputFiles::Destination OutputFiles::classify(const std::string& name) const {
    Destination d;
    d.name = name;
    struct stat file {};
    if (name == "-") {
        d.way = Way::standard_output;
        if (::fstat(STDOUT_FILENO, &file) == 0) {
            d.device = file.st_dev;
            d.inode = file.st_ino;
        }
        return d;
    }
    if (name.empty()) refuse(name, "no file name");
    // A new file, or the new target of a link: its folder must take it.
    const auto new_file = [&](const std::string& place) {
        std::tie(d.folder, d.leaf) = split(place);
        struct stat folder {};
        if (d.leaf.empty()) refuse(name, "not a file name");
        if (::stat(d.folder.c_str(), &folder) != 0) refuse(name, system_error(errno));
        if (!S_ISDIR(folder.st_mode)) refuse(name, system_error(ENOTDIR));
        if (::access(d.folder.c_str(), W_OK | X_OK) != 0) refuse(name, system_error(errno));
        d.device = folder.st_dev;
        d.inode = folder.st_ino;
        d.new_leaf = d.leaf;
        return d;
    };
    if (::lstat(name.c_str(), &file) != 0) {
        if (errno != ENOENT) refuse(name, system_error(errno));
        return new_file(name);
    }
    const bool link = S_ISLNK(file.st_mode);
    if (link && ::stat(name.c_str(), &file) != 0) {
        if (errno != ENOENT) refuse(name, system_error(errno));
        return new_file(link_end(name));
    }
    if (S_ISDIR(file.st_mode)) refuse(name, "it is a folder");
    d.device = file.st_dev;
    d.inode = file.st_ino;
    if (::access(name.c_str(), W_OK) != 0) refuse(name, system_error(errno));
    if (!S_ISREG(file.st_mode) || is_standard_stream(file) ||
        (link && reached_through_system(name))) {
        d.way = Way::in_place;
        return d;
    }
    std::string place = name;
    if (link) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(name.c_str(), nullptr),
                                                               &std::free);
        if (!real) refuse(name, system_error(errno));
        place = real.get();
    }
    std::tie(d.folder, d.leaf) = split(place);
    if (::access(d.folder.c_str(), W_OK | X_OK) != 0) refuse(name, system_error(errno));
    d.keep_mode = true;
    d.mode = file.st_mode & 07777;
    return d;
}

void OutputFiles::add(const std::string& name) {
    Destination d = classify(name);
    for (const Destination& earlier : destinations_) {
        if (earlier.device == d.device && earlier.inode == d.inode &&
            earlier.new_leaf == d.new_leaf) {
            throw BadInput("the same file is named twice as an output: " + in_quotes(earlier.name) +
                           " and " + in_quotes(name));
        }
    }
    destinations_.push_back(std::move(d));
}

void OutputFiles::write(const std::vector<std::string>& contents,
                        std::ostream& standard_output) const {
    struct Staged {
        std::unique_ptr<Descriptor> folder;
        std::string temporary;
        const Destination* destination;
    };
    std::vector<Staged> staged;
    const auto discard_staged = [&] {
        for (const Staged& s : staged) ::unlinkat(s.folder->fd, s.temporary.c_str(), 0);
    };
    const std::string* standard_output_content = nullptr;
    const Destination* current = nullptr;
    try {
        // Regular files first, each under a short name in its folder, so that a name near
        // the system's limits stays within them.
        for (std::size_t i = 0; i < destinations_.size(); ++i) {
            const Destination& d = destinations_[i];
            current = &d;
            if (d.way == Way::standard_output) standard_output_content = &contents.at(i);
            if (d.way != Way::replace) continue;
            auto folder = std::make_unique<Descriptor>(
                ::open(d.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (folder->fd < 0) throw std::system_error(errno, std::generic_category());
            std::string temporary =
                ".rainbow-" + std::to_string(::getpid()) + "-" + std::to_string(i);
            Descriptor file(::openat(folder->fd, temporary.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (file.fd < 0) throw std::system_error(errno, std::generic_category());
            staged.push_back({std::move(folder), std::move(temporary), &d});
            if (d.keep_mode && ::fchmod(file.fd, d.mode) != 0) {
                throw std::system_error(errno, std::generic_category());
            }
            write_all(file.fd, contents.at(i));
            file.close();
        }
        // Streams and devices take their content where they are.
        for (std::size_t i = 0; i < destinations_.size(); ++i) {
            const Destination& d = destinations_[i];
            current = &d;
            if (d.way != Way::in_place) continue;
            Descriptor file(::open(d.name.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC));
            if (file.fd < 0) throw std::system_error(errno, std::generic_category());
            write_all(file.fd, contents.at(i));
            file.close();
        }
        for (std::size_t i = 0; i < staged.size(); ++i) {
            current = staged[i].destination;
            const int folder = staged[i].folder->fd;
            if (::renameat(folder, staged[i].temporary.c_str(), folder, current->leaf.c_str()) !=
                0) {
                const int error = errno;
                staged.erase(staged.begin(), staged.begin() + std::ptrdiff_t(i));
                throw std::system_error(error, std::generic_category());
            }
        }
    } catch (const std::system_error& e) {
        discard_staged();
        refuse(current ? current->name : std::string(), system_error(e.code().value()));
    }
    if (standard_output_content) {
        standard_output << *standard_output_content;
        standard_output.flush();
        // A full disk, a closed stream: the failure is the command's, not silence.
        if (!standard_output) refuse("-", "standard output cannot be written");
    }
}

}  // namespace rainbow
