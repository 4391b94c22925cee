#include "files/ioFile.h"

#include "support/FaultyIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using testsupport::Bytes;
using testsupport::FaultySink;
using testsupport::FaultySource;
using testsupport::kNever;

namespace {

std::unique_ptr<TLecteurFichier> Lecteur(std::vector<uint8_t> bytes, std::size_t chunk = kNever)
{
    return std::make_unique<TLecteurFichier>(std::make_unique<FaultySource>(std::move(bytes), kNever, chunk));
}

// 4096 + 16 bytes where byte k holds k mod 251, so that a value read from the
// wrong place shows.
std::vector<uint8_t> Motif(std::size_t size = TLecteurFichier::TailleTampon + 16)
{
    std::vector<uint8_t> bytes(size);
    for (std::size_t k = 0; k < size; ++k)
        bytes[k] = static_cast<uint8_t>(k % 251);
    return bytes;
}

uint32_t LittleEndianAt(const std::vector<uint8_t>& b, std::size_t k, int width)
{
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | b[k + static_cast<std::size_t>(i)];
    return v;
}

} // namespace

// Values whose bytes lie on both sides of a block boundary come out whole, whatever
// the size of the pieces the device hands over.
TEST(LecteurFichier, ValuesAcrossTheBufferBoundary)
{
    const std::vector<uint8_t> bytes = Motif();
    for (std::size_t chunk : {kNever, std::size_t{1000}, std::size_t{3}}) {
        for (int skip : {4093, 4094, 4095}) {
            auto r = Lecteur(bytes, chunk);
            for (int k = 0; k < skip; ++k)
                ASSERT_EQ(r->LitOctet(), bytes[static_cast<std::size_t>(k)]);
            std::size_t at = static_cast<std::size_t>(skip);
            EXPECT_EQ(static_cast<uint32_t>(r->LitEntier()), LittleEndianAt(bytes, at, 4)) << skip << " " << chunk;
            EXPECT_EQ(r->LitMot(), LittleEndianAt(bytes, at + 4, 2));
            EXPECT_EQ(r->Position(), skip + 6);
            EXPECT_EQ(r->LitOctet(), bytes[at + 6]);
        }
    }
}

TEST(LecteurFichier, PositionneAndPosition)
{
    const std::vector<uint8_t> bytes = Motif(10000);
    auto r = Lecteur(bytes, 700);
    EXPECT_EQ(r->Taille(), 10000);
    r->Positionne(100);
    EXPECT_EQ(r->Position(), 100);
    EXPECT_EQ(r->LitOctet(), bytes[100]);
    EXPECT_EQ(r->Position(), 101);
    r->Positionne(9000);
    EXPECT_EQ(static_cast<uint32_t>(r->LitEntier()), LittleEndianAt(bytes, 9000, 4));
    EXPECT_EQ(r->Position(), 9004);
    r->Positionne(0);
    EXPECT_EQ(r->LitMot(), LittleEndianAt(bytes, 0, 2));

    // Beyond the end there is nothing to read; before the start is refused.
    r->Positionne(20000);
    EXPECT_THROW(r->LitOctet(), EFinFichier);
    EXPECT_THROW(r->Positionne(-1), EErreurFichier);
}

// Refilling keeps the unread bytes, also when the block was short (the end of
// the file was in it), not whatever lies at the end of the buffer.
TEST(LecteurFichier, RemplitKeepsTheUnreadBytes)
{
    auto r = Lecteur({1, 2, 3, 4, 5});
    r->LitOctet();
    r->LitOctet();
    r->LitOctet();
    EXPECT_EQ(r->Remplit(2), 2);
    EXPECT_EQ(r->LitMot(), 0x0504);
    EXPECT_EQ(r->Position(), 5);

    // More to keep than is unread keeps only what is unread.
    auto s = Lecteur({1, 2, 3});
    s->LitOctet();
    EXPECT_EQ(s->Remplit(100), 2);
    EXPECT_EQ(s->LitOctet(), 2);
}

TEST(LecteurFichier, LitChaine)
{
    auto r = Lecteur({0x41, 0x42, 0x00, 0x43});
    EXPECT_EQ(r->LitChaine(), "AB");
    EXPECT_EQ(r->LitOctet(), 0x43);

    // A string longer than the buffer, and another terminator.
    std::string longue(5000, 'x');
    auto s = Lecteur(Bytes(longue + "\xFF" + "y\xFF"), 1000);
    EXPECT_EQ(s->LitChaine(0xFF), longue);
    EXPECT_EQ(s->LitChaine(0xFF), "y");

    // No terminator before the end: the end is signalled once, no endless loop.
    auto t = Lecteur(Bytes("abc"));
    EXPECT_THROW(t->LitChaine(), EFinFichier);
    EXPECT_THROW(t->LitChaine(), EFinFichier);
}

TEST(LecteurFichier, EndOfFileIsSignalled)
{
    auto empty = Lecteur({});
    EXPECT_THROW(empty->LitOctet(), EFinFichier);

    auto r = Lecteur({1, 2, 3});
    EXPECT_THROW(r->LitEntier(), EFinFichier);
    // The bytes are still there for a shorter read.
    EXPECT_EQ(r->LitMot(), 0x0201);
    EXPECT_THROW(r->LitMot(), EFinFichier);
    EXPECT_EQ(r->LitOctet(), 3);
    EXPECT_THROW(r->LitOctet(), EFinFichier);
}

TEST(LecteurFichier, DeviceAndOpeningFailures)
{
    // A failing device is a read error, not the end of the file.
    TLecteurFichier r(std::make_unique<FaultySource>(Motif(10000), 5000));
    for (int k = 0; k < 4096; ++k)
        r.LitOctet();
    try {
        r.LitOctet();
        FAIL() << "no error";
    } catch (const EFinFichier&) {
        FAIL() << "reported as the end of the file";
    } catch (const EErreurFichier&) {
    }

    testsupport::TempDir dir;
    EXPECT_THROW(TLecteurFichier((dir / "missing.bin").string()), EErreurFichier);
    EXPECT_THROW(TLecteurFichier(dir.path().string()), EErreurFichier);

    testsupport::WriteWholeFile(dir / "f.bin", "\x01\x02\x03");
    TLecteurFichier f((dir / "f.bin").string());
    EXPECT_EQ(f.Taille(), 3);
    EXPECT_EQ(f.LitMot(), 0x0201);
}

TEST(RedacteurFichier, WritesLittleEndianThroughTheBuffer)
{
    testsupport::TempDir dir;
    const std::string name = (dir / "out.bin").string();
    const std::vector<uint8_t> block = Motif(5000);
    {
        TRedacteurFichier w(name, true);
        w.EcritOctet(0xAB);
        w.EcritMot(0x1234);
        w.EcritEntier(-2);
        w.EcritOctets(block.data(), block.size());
        w.Ferme();
    }
    std::string expected = "\xAB\x34\x12\xFE\xFF\xFF\xFF";
    expected.append(block.begin(), block.end());
    EXPECT_EQ(testsupport::ReadWholeFile(name), expected);

    TLecteurFichier r(name);
    EXPECT_EQ(r.LitOctet(), 0xAB);
    EXPECT_EQ(r.LitMot(), 0x1234);
    EXPECT_EQ(r.LitEntier(), -2);

    // Without the create flag the file is written from its start and keeps its tail;
    // the destructor writes what is buffered.
    {
        TRedacteurFichier w(name, false);
        w.EcritOctet(0x00);
    }
    EXPECT_EQ(testsupport::ReadWholeFile(name), std::string(1, '\0') + expected.substr(1));
    EXPECT_THROW(TRedacteurFichier((dir / "missing.bin").string(), false), EErreurFichier);
}

TEST(RedacteurFichier, WriteFailuresAreReported)
{
    const std::vector<uint8_t> block = Motif(10000);

    // Midway: the failure shows at the write that fills the buffer, or at Ferme.
    auto written = std::make_shared<std::vector<uint8_t>>();
    {
        TRedacteurFichier w(std::make_unique<FaultySink>(written, 6000));
        EXPECT_THROW(
            {
                w.EcritOctets(block.data(), block.size());
                w.Ferme();
            },
            EErreurFichier);
    }
    EXPECT_LE(written->size(), 6000u);

    // At closing (the last block or the write-back fails).
    TRedacteurFichier c(std::make_unique<FaultySink>(std::make_shared<std::vector<uint8_t>>(), kNever, true));
    c.EcritOctet(1);
    EXPECT_THROW(c.Ferme(), EErreurFichier);
    EXPECT_NO_THROW(c.Ferme());

    // A real full disk.
    if (std::filesystem::exists("/dev/full")) {
        TRedacteurFichier full("/dev/full", true);
        full.EcritOctets(block.data(), 100);
        EXPECT_THROW(full.Ferme(), EErreurFichier);
    }
}
