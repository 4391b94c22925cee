#pragma once

#include "base/Disque.h"
#include "files/ioFile.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

// A byte source that hands its data out in pieces of at most `chunk` bytes and
// fails like a broken device once `failAfter` bytes have been delivered.
class FaultySource : public TSourceOctets {
public:
    FaultySource(std::vector<uint8_t> bytes, std::size_t failAfter = kNever, std::size_t chunk = kNever)
        : bytes_(std::move(bytes)), failAfter_(failAfter), chunk_(chunk)
    {
    }
    std::size_t Lit(uint8_t* destination, std::size_t count) override;
    void Positionne(int64_t offset) override;
    int64_t Taille() override { return static_cast<int64_t>(bytes_.size()); }

private:
    std::vector<uint8_t> bytes_;
    std::size_t failAfter_;
    std::size_t chunk_;
    std::size_t position_ = 0;
    std::size_t delivered_ = 0;
};

// A byte sink that keeps what it is given in `written` and fails like a full
// disk once `failAfter` bytes have gone through, or at closing.
class FaultySink : public TDestinationOctets {
public:
    explicit FaultySink(std::shared_ptr<std::vector<uint8_t>> written, std::size_t failAfter = kNever,
                        bool failOnClose = false)
        : written_(std::move(written)), failAfter_(failAfter), failOnClose_(failOnClose)
    {
    }
    void Ecrit(const uint8_t* source, std::size_t count) override;
    void Ferme() override;

private:
    std::shared_ptr<std::vector<uint8_t>> written_;
    std::size_t failAfter_;
    bool failOnClose_;
};

// The real disk, but the call numbered `failAt` (from 0) fails as a broken
// device would. Every call is logged first ("create x", "write", "sync",
// "close", "link a b", "rename a b", "remove x", "open folder"), and
// `beforeEach` runs before it, to look at the files as a crash there would
// leave them. Without hard links, every link fails as on such file systems.
class FaultyDisk : public TDisque {
public:
    explicit FaultyDisk(std::size_t failAt = kNever, bool hardLinks = true) : failAt_(failAt), hardLinks_(hardLinks) {}
    int Cree(const std::string& name) override;
    int OuvreDossier(const std::string& name) override;
    long Ecrit(int fd, const char* bytes, std::size_t count) override;
    int Synchronise(int fd) override;
    int Ferme(int fd) override;
    int Lie(const std::string& existing, const std::string& created) override;
    int Renomme(const std::string& from, const std::string& to) override;
    int Supprime(const std::string& name) override;

    std::vector<std::string> calls;
    std::function<void()> beforeEach;
    // The system's error number the failing call leaves.
    int error = EIO;
    // Whether the failure was injected (the run reached call `failAt`).
    bool Failed() const { return calls.size() > failAt_; }
    const std::string& FailedCall() const { return calls[failAt_]; }

private:
    bool Fails(std::string call);
    std::size_t failAt_;
    bool hardLinks_;
};

// Installs a disk for the life of the object, then gives back the previous one.
class DiskInstalled {
public:
    explicit DiskInstalled(std::shared_ptr<TDisque> disk) : previous_(InstalleDisque(std::move(disk))) {}
    ~DiskInstalled() { InstalleDisque(previous_); }

private:
    std::shared_ptr<TDisque> previous_;
};

// Runs `write`, which replaces `file`, twice: on a disk whose flush of the new
// bytes fails, when it must fail and leave the file as it was; then on a
// sound disk, when it must succeed and flush the folder after the rename.
void ExpectDurableReplace(const std::string& file, const std::function<bool()>& write);

std::vector<uint8_t> Bytes(const std::string& text);

} // namespace testsupport
