#include "support/FaultyIo.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace testsupport {

std::size_t FaultySource::Lit(uint8_t* destination, std::size_t count)
{
    if (delivered_ >= failAfter_)
        throw EErreurFichier("injected read failure");
    std::size_t left = bytes_.size() - std::min(position_, bytes_.size());
    std::size_t n = std::min({count, left, chunk_, failAfter_ - delivered_});
    if (n > 0)
        std::memcpy(destination, bytes_.data() + position_, n);
    position_ += n;
    delivered_ += n;
    return n;
}

void FaultySource::Positionne(int64_t offset)
{
    if (offset < 0)
        throw EErreurFichier("negative offset");
    position_ = static_cast<std::size_t>(offset);
}

void FaultySink::Ecrit(const uint8_t* source, std::size_t count)
{
    std::size_t room = failAfter_ - std::min(failAfter_, written_->size());
    written_->insert(written_->end(), source, source + std::min(count, room));
    if (count > room)
        throw EErreurFichier("injected write failure");
}

void FaultySink::Ferme()
{
    if (failOnClose_)
        throw EErreurFichier("injected failure at closing");
}

bool FaultyDisk::Fails(std::string call)
{
    calls.push_back(std::move(call));
    if (beforeEach)
        beforeEach();
    if (calls.size() - 1 != failAt_)
        return false;
    errno = error;
    return true;
}

int FaultyDisk::Cree(const std::string& name)
{
    return Fails("create " + name) ? -1 : TDisque::Cree(name);
}

int FaultyDisk::OuvreDossier(const std::string& name)
{
    return Fails("open folder " + name) ? -1 : TDisque::OuvreDossier(name);
}

long FaultyDisk::Ecrit(int fd, const char* bytes, std::size_t count)
{
    return Fails("write") ? -1 : TDisque::Ecrit(fd, bytes, count);
}

int FaultyDisk::Synchronise(int fd)
{
    return Fails("sync") ? -1 : TDisque::Synchronise(fd);
}

int FaultyDisk::Ferme(int fd)
{
    // A failed close still releases the descriptor, as the system's does.
    const bool fails = Fails("close");
    const int result = TDisque::Ferme(fd);
    return fails ? -1 : result;
}

int FaultyDisk::Lie(const std::string& existing, const std::string& created)
{
    if (Fails("link " + existing + " " + created))
        return -1;
    if (!hardLinks_) {
        errno = EPERM;
        return -1;
    }
    return TDisque::Lie(existing, created);
}

int FaultyDisk::Renomme(const std::string& from, const std::string& to)
{
    return Fails("rename " + from + " " + to) ? -1 : TDisque::Renomme(from, to);
}

int FaultyDisk::Supprime(const std::string& name)
{
    return Fails("remove " + name) ? -1 : TDisque::Supprime(name);
}

void ExpectDurableReplace(const std::string& file, const std::function<bool()>& write)
{
    const std::string before = ReadWholeFile(file);
    {
        // Created, written, then the flush fails.
        DiskInstalled broken(std::make_shared<FaultyDisk>(2));
        EXPECT_FALSE(write());
    }
    EXPECT_EQ(ReadWholeFile(file), before);
    auto sound = std::make_shared<FaultyDisk>();
    {
        DiskInstalled installed(sound);
        EXPECT_TRUE(write());
    }
    ASSERT_GE(sound->calls.size(), 3u);
    EXPECT_EQ(sound->calls.end()[-3], "open folder " + std::filesystem::path(file).parent_path().string())
        << "the rename reaches the disk";
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace testsupport
