#include "files/Image.h"

#include "support/TestSupport.h"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>

namespace {

const uint8_t* Octets(const std::string& S)
{
    return reinterpret_cast<const uint8_t*>(S.data());
}

// A picture whose every pixel differs: red by column, green by row, half of it
// transparent when asked.
TImage Motif(int Largeur, int Hauteur, bool AvecTransparence)
{
    TImage Image(Largeur, Hauteur);
    for (int Y = 0; Y < Hauteur; ++Y)
        for (int X = 0; X < Largeur; ++X)
            Image.SetPixel(X, Y, static_cast<uint8_t>(X * 10), static_cast<uint8_t>(Y * 20), 77,
                           AvecTransparence && X < Largeur / 2 ? 0 : 255);
    return Image;
}

uint8_t Rouge(uint32_t P)
{
    return P & 0xFF;
}
uint8_t Vert(uint32_t P)
{
    return (P >> 8) & 0xFF;
}
uint8_t Bleu(uint32_t P)
{
    return (P >> 16) & 0xFF;
}
uint8_t Alpha(uint32_t P)
{
    return P >> 24;
}

void Ajoute16(std::string& S, unsigned V)
{
    S += static_cast<char>(V & 0xFF);
    S += static_cast<char>((V >> 8) & 0xFF);
}
void Ajoute32(std::string& S, uint32_t V)
{
    Ajoute16(S, V & 0xFFFF);
    Ajoute16(S, V >> 16);
}

// A bitmap file: 40-byte header (or longer, for bit masks), palette, rows.
std::string Bmp(int32_t Largeur, int32_t Hauteur, int Bits, uint32_t Compression, const std::string& Palette,
                const std::string& Pixels, const std::string& Masques = {})
{
    std::string Entete;
    Ajoute32(Entete, 40 + static_cast<uint32_t>(Masques.size()));
    Ajoute32(Entete, static_cast<uint32_t>(Largeur));
    Ajoute32(Entete, static_cast<uint32_t>(Hauteur));
    Ajoute16(Entete, 1);
    Ajoute16(Entete, static_cast<unsigned>(Bits));
    Ajoute32(Entete, Compression);
    Ajoute32(Entete, static_cast<uint32_t>(Pixels.size()));
    Ajoute32(Entete, 2835);
    Ajoute32(Entete, 2835);
    Ajoute32(Entete, static_cast<uint32_t>(Palette.size() / 4));
    Ajoute32(Entete, 0);
    Entete += Masques;
    std::string F = "BM";
    const uint32_t Debut = 14 + static_cast<uint32_t>(Entete.size() + Palette.size());
    Ajoute32(F, Debut + static_cast<uint32_t>(Pixels.size()));
    Ajoute32(F, 0);
    Ajoute32(F, Debut);
    return F + Entete + Palette + Pixels;
}

int EcritGifMemoire(GifFileType* Gif, const GifByteType* Donnees, int N)
{
    static_cast<std::string*>(Gif->UserData)->append(reinterpret_cast<const char*>(Donnees), static_cast<size_t>(N));
    return N;
}

struct CadreGif {
    int Gauche, Haut, Largeur, Hauteur;
    int Transparent; // -1: none
    uint8_t Index;   // every pixel of the frame
};

// A GIF89a file with a 4-colour global palette (black, red, green, blue).
std::string Gif(int LargeurEcran, int HauteurEcran, const std::vector<CadreGif>& Cadres, bool Entrelace = false)
{
    std::string Sortie;
    int Erreur = 0;
    GifFileType* G = EGifOpen(&Sortie, EcritGifMemoire, &Erreur);
    EXPECT_NE(G, nullptr);
    const GifColorType Couleurs[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject* Palette = GifMakeMapObject(4, Couleurs);
    EGifSetGifVersion(G, true);
    EGifPutScreenDesc(G, LargeurEcran, HauteurEcran, 2, 0, Palette);
    for (const CadreGif& C : Cadres) {
        if (C.Transparent >= 0) {
            const GifByteType Controle[4] = {1, 0, 0, static_cast<GifByteType>(C.Transparent)};
            EGifPutExtension(G, GRAPHICS_EXT_FUNC_CODE, 4, Controle);
        }
        EGifPutImageDesc(G, C.Gauche, C.Haut, C.Largeur, C.Hauteur, Entrelace, nullptr);
        std::vector<GifPixelType> Ligne(static_cast<size_t>(C.Largeur), C.Index);
        for (int Y = 0; Y < C.Hauteur; ++Y)
            EGifPutLine(G, Ligne.data(), C.Largeur);
    }
    EGifCloseFile(G, &Erreur);
    GifFreeMapObject(Palette);
    return Sortie;
}

void Ajoute32Be(std::string& S, uint32_t V)
{
    for (int D = 24; D >= 0; D -= 8)
        S += static_cast<char>((V >> D) & 0xFF);
}

std::string ChunkPng(const std::string& Type, const std::string& Donnees)
{
    std::string C;
    Ajoute32Be(C, static_cast<uint32_t>(Donnees.size()));
    const std::string Corps = Type + Donnees;
    C += Corps;
    Ajoute32Be(C, static_cast<uint32_t>(crc32(0, Octets(Corps), static_cast<uInt>(Corps.size()))));
    return C;
}

} // namespace

TEST(Image, TailleRefuseeDonneUneImageVide)
{
    EXPECT_TRUE(TImage(0, 5).Vide());
    EXPECT_TRUE(TImage(TImage::MaxCoteImage + 1, 1).Vide());
    EXPECT_TRUE(TImage(20000, 20000).Vide());
    const TImage Petite(3, 2);
    EXPECT_FALSE(Petite.Vide());
    EXPECT_EQ(Petite.GetPixel(2, 1), 0u);
    EXPECT_EQ(Petite.GetPixel(3, 0), 0u);
    EXPECT_FALSE(Petite.Opaque());
}

TEST(Image, PngAllerRetourGardeLesPixelsEtLaTransparence)
{
    for (const bool Transparence : {false, true}) {
        const TImage Source = Motif(9, 7, Transparence);
        const std::string Png = EncodePng(Source);
        ASSERT_FALSE(Png.empty());
        const auto Lue = DecodePng(Octets(Png), Png.size());
        ASSERT_NE(Lue, nullptr);
        ASSERT_EQ(Lue->Largeur(), 9);
        ASSERT_EQ(Lue->Hauteur(), 7);
        EXPECT_EQ(std::memcmp(Lue->Pixels(), Source.Pixels(), 9 * 7 * 4), 0);
    }
}

TEST(Image, PngDeTailleDemesureeOuAbimeEstRefuse)
{
    // A valid header announcing 100000 x 100000 pixels and no data.
    std::string Ihdr;
    Ajoute32Be(Ihdr, 100000);
    Ajoute32Be(Ihdr, 100000);
    Ihdr += std::string("\x08\x06\x00\x00\x00", 5);
    const std::string Enorme = std::string("\x89PNG\r\n\x1a\n", 8) + ChunkPng("IHDR", Ihdr) + ChunkPng("IEND", "");
    EXPECT_EQ(DecodePng(Octets(Enorme), Enorme.size()), nullptr);

    const std::string Png = EncodePng(Motif(16, 16, true));
    for (size_t N : {size_t{0}, size_t{8}, size_t{20}, Png.size() / 2, Png.size() - 13})
        EXPECT_EQ(DecodePng(Octets(Png), N), nullptr) << N;
    std::string Abime = Png;
    Abime[Abime.size() / 2] ^= 0x55;
    EXPECT_EQ(DecodePng(Octets(Abime), Abime.size()), nullptr);
}

TEST(Image, JpegAllerRetourApprocheLesCouleursEtPoseLaTransparenceSurBlanc)
{
    TImage Source(16, 16);
    for (int Y = 0; Y < 16; ++Y)
        for (int X = 0; X < 16; ++X)
            Source.SetPixel(X, Y, 200, 40, 40, X < 8 ? 255 : 0);
    const std::string Jpeg = EncodeJpeg(Source, 95);
    ASSERT_FALSE(Jpeg.empty());
    const auto Lue = DecodeJpeg(Octets(Jpeg), Jpeg.size());
    ASSERT_NE(Lue, nullptr);
    ASSERT_EQ(Lue->Largeur(), 16);
    EXPECT_TRUE(Lue->Opaque());
    const uint32_t Plein = Lue->GetPixel(2, 8), Vide = Lue->GetPixel(13, 8);
    EXPECT_NEAR(Rouge(Plein), 200, 12);
    EXPECT_NEAR(Vert(Plein), 40, 12);
    EXPECT_NEAR(Rouge(Vide), 255, 12);
    EXPECT_NEAR(Bleu(Vide), 255, 12);
}

TEST(Image, JpegTronqueAbimeOuDemesureNePlantePas)
{
    const std::string Jpeg = EncodeJpeg(Motif(40, 30, false));
    for (size_t N : {size_t{0}, size_t{2}, size_t{100}, Jpeg.size() / 2})
        DecodeJpeg(Octets(Jpeg), N); // nullptr or a partial picture, never a crash
    EXPECT_EQ(DecodeJpeg(Octets(Jpeg), 3), nullptr);

    // Raise the frame's size in the SOF0 marker to 65000 x 65000.
    std::string Enorme = Jpeg;
    const size_t Sof = Enorme.find("\xFF\xC0");
    ASSERT_NE(Sof, std::string::npos);
    Enorme[Sof + 5] = Enorme[Sof + 7] = static_cast<char>(0xFD);
    Enorme[Sof + 6] = Enorme[Sof + 8] = static_cast<char>(0xE8);
    EXPECT_EQ(DecodeJpeg(Octets(Enorme), Enorme.size()), nullptr);
    const std::string Texte = "\xFF\xD8 not really a picture";
    EXPECT_EQ(DecodeJpeg(Octets(Texte), Texte.size()), nullptr);
}

TEST(Image, GifDonneLaPremiereImageSurLEcranAvecSaTransparence)
{
    // 6 x 4 screen; the first frame (red, index 1) covers columns 2-4 of rows
    // 1-2; a second, full blue frame must be ignored.
    const std::string G = Gif(6, 4, {{2, 1, 3, 2, -1, 1}, {0, 0, 6, 4, -1, 3}});
    const auto Image = DecodeGif(Octets(G), G.size());
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->Largeur(), 6);
    EXPECT_EQ(Image->Hauteur(), 4);
    EXPECT_EQ(Image->GetPixel(3, 2), 0xFF0000FFu);
    EXPECT_EQ(Alpha(Image->GetPixel(0, 0)), 0);
    EXPECT_EQ(Alpha(Image->GetPixel(5, 3)), 0);

    const std::string T = Gif(2, 2, {{0, 0, 2, 2, 2, 2}});
    const auto Transparente = DecodeGif(Octets(T), T.size());
    ASSERT_NE(Transparente, nullptr);
    EXPECT_EQ(Alpha(Transparente->GetPixel(1, 1)), 0);

    const std::string E = Gif(8, 16, {{0, 0, 8, 16, -1, 2}}, true);
    const auto Entrelacee = DecodeGif(Octets(E), E.size());
    ASSERT_NE(Entrelacee, nullptr);
    for (int Y = 0; Y < 16; ++Y)
        EXPECT_EQ(Entrelacee->GetPixel(7, Y), 0xFF00FF00u) << Y;
}

TEST(Image, GifHorsEcranTronqueOuDemesure)
{
    // A frame that does not fit its screen is shown alone.
    const std::string Decale = Gif(4, 4, {{3, 3, 5, 5, -1, 1}});
    const auto Seule = DecodeGif(Octets(Decale), Decale.size());
    ASSERT_NE(Seule, nullptr);
    EXPECT_EQ(Seule->Largeur(), 5);
    EXPECT_EQ(Seule->GetPixel(0, 0), 0xFF0000FFu);

    // Header, screen and palette take 25 bytes, the frame's descriptor 10.
    const std::string G = Gif(20, 20, {{0, 0, 20, 20, -1, 1}});
    for (size_t N = 0; N < G.size(); ++N) {
        const auto Image = DecodeGif(Octets(G), N);
        if (N < 25 + 10) {
            EXPECT_EQ(Image, nullptr) << N;
        }
    }
    EXPECT_NE(DecodeGif(Octets(G), G.size() - 1), nullptr); // only the trailer is missing

    // Raise the frame's width and height to 60000.
    std::string Enorme = Gif(4, 4, {{0, 0, 4, 4, -1, 1}});
    ASSERT_EQ(Enorme[25], ',');
    for (size_t I : {size_t{30}, size_t{32}}) {
        Enorme[I] = static_cast<char>(60000 & 0xFF);
        Enorme[I + 1] = static_cast<char>(60000 >> 8);
    }
    EXPECT_EQ(DecodeGif(Octets(Enorme), Enorme.size()), nullptr);

    // A frame of 4000 x 4000 is allowed in size, but these few bytes cannot
    // hold its pixels: refused before a picture that large is made.
    std::string Grand = Gif(4, 4, {{0, 0, 4, 4, -1, 1}});
    for (size_t I : {size_t{30}, size_t{32}}) {
        Grand[I] = static_cast<char>(4000 & 0xFF);
        Grand[I + 1] = static_cast<char>(4000 >> 8);
    }
    EXPECT_EQ(DecodeGif(Octets(Grand), Grand.size()), nullptr);
    // A screen far larger than its data shows the frame alone.
    std::string Ecran = Gif(4, 4, {{0, 0, 4, 4, -1, 1}});
    for (size_t I : {size_t{6}, size_t{8}}) {
        Ecran[I] = static_cast<char>(6000 & 0xFF);
        Ecran[I + 1] = static_cast<char>(6000 >> 8);
    }
    const auto Cadre = DecodeGif(Octets(Ecran), Ecran.size());
    ASSERT_NE(Cadre, nullptr);
    EXPECT_EQ(Cadre->Largeur(), 4);
    EXPECT_EQ(Cadre->Hauteur(), 4);
}

TEST(Image, BmpDesProfondeursCourantes)
{
    // 24 bits, bottom-up, 2 x 2: rows padded to 8 bytes.
    std::string Lignes24 = std::string("\x00\x00\xFF"
                                       "\x00\xFF\x00",
                                       6) +
                           std::string(2, '\0') +
                           std::string("\xFF\x00\x00"
                                       "\xFF\xFF\xFF",
                                       6) +
                           std::string(2, '\0');
    auto B24 = DecodeBmp(Octets(Bmp(2, 2, 24, 0, "", Lignes24)), Bmp(2, 2, 24, 0, "", Lignes24).size());
    ASSERT_NE(B24, nullptr);
    EXPECT_EQ(B24->GetPixel(0, 1), 0xFF0000FFu); // first stored row is the bottom one
    EXPECT_EQ(B24->GetPixel(1, 1), 0xFF00FF00u);
    EXPECT_EQ(B24->GetPixel(0, 0), 0xFFFF0000u);

    // 8 bits with a 2-colour palette, top-down (negative height).
    const std::string Palette = std::string("\x00\x00\x00\x00"
                                            "\x00\x80\xFF\x00",
                                            8);
    const std::string F8 = Bmp(3, -1, 8, 0, Palette, std::string("\x01\x00\x01\x00", 4));
    auto B8 = DecodeBmp(Octets(F8), F8.size());
    ASSERT_NE(B8, nullptr);
    EXPECT_EQ(B8->GetPixel(0, 0), 0xFF0080FFu);
    EXPECT_EQ(B8->GetPixel(1, 0), 0xFF000000u);

    // 1 bit: 10 pixels in one row.
    const std::string F1 = Bmp(10, 1, 1, 0, Palette, std::string("\xA0\x40\x00\x00", 4));
    auto B1 = DecodeBmp(Octets(F1), F1.size());
    ASSERT_NE(B1, nullptr);
    EXPECT_EQ(B1->GetPixel(0, 0), 0xFF0080FFu);
    EXPECT_EQ(B1->GetPixel(1, 0), 0xFF000000u);
    EXPECT_EQ(B1->GetPixel(9, 0), 0xFF0080FFu);

    // 32 bits with bit fields and an alpha mask.
    std::string Masques;
    for (uint32_t M : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        Ajoute32(Masques, M);
    std::string Pixel;
    Ajoute32(Pixel, 0x80102030);
    const std::string F32 = Bmp(1, 1, 32, 3, "", Pixel, Masques);
    auto B32 = DecodeBmp(Octets(F32), F32.size());
    ASSERT_NE(B32, nullptr);
    EXPECT_EQ(B32->GetPixel(0, 0), 0x80302010u);

    // 16 bits 5-5-5: pure red.
    std::string P16;
    Ajoute16(P16, 0x7C00);
    Ajoute16(P16, 0);
    const std::string F16 = Bmp(1, 1, 16, 0, "", P16);
    auto B16 = DecodeBmp(Octets(F16), F16.size());
    ASSERT_NE(B16, nullptr);
    EXPECT_EQ(B16->GetPixel(0, 0), 0xFF0000FFu);
}

TEST(Image, BmpRle8)
{
    const std::string Palette = std::string("\x00\x00\x00\x00"
                                            "\x00\x00\xFF\x00"
                                            "\xFF\x00\x00\x00",
                                            12);
    // Bottom row: 3 x index 1, then a literal run 2 1 2; end of line; top
    // row: a delta of 4, then 1 x index 2; end of bitmap.
    const std::string Donnees("\x03\x01\x00\x03\x02\x01\x02\x00\x00\x00"
                              "\x00\x02\x04\x00\x01\x02\x00\x01",
                              18);
    const std::string F = Bmp(6, 2, 8, 1, Palette, Donnees);
    auto B = DecodeBmp(Octets(F), F.size());
    ASSERT_NE(B, nullptr);
    EXPECT_EQ(B->GetPixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(B->GetPixel(3, 1), 0xFFFF0000u);
    EXPECT_EQ(B->GetPixel(5, 1), 0xFFFF0000u);
    EXPECT_EQ(Alpha(B->GetPixel(0, 0)), 0);
    EXPECT_EQ(B->GetPixel(4, 0), 0xFFFF0000u);
}

TEST(Image, BmpAbimeOuDemesureEstRefuse)
{
    const std::string Lignes(16, '\x7F');
    const std::string Bon = Bmp(2, 2, 24, 0, "", Lignes);
    ASSERT_NE(DecodeBmp(Octets(Bon), Bon.size()), nullptr);
    for (size_t N = 0; N < Bon.size(); ++N)
        EXPECT_EQ(DecodeBmp(Octets(Bon), N), nullptr) << N;

    const std::string Enorme = Bmp(1000000000, 1000000000, 24, 0, "", Lignes);
    EXPECT_EQ(DecodeBmp(Octets(Enorme), Enorme.size()), nullptr);
    const std::string Minimal = Bmp(2, static_cast<int32_t>(0x80000000u), 24, 0, "", Lignes);
    EXPECT_EQ(DecodeBmp(Octets(Minimal), Minimal.size()), nullptr);
    const std::string Profondeur = Bmp(2, 2, 7, 0, "", Lignes);
    EXPECT_EQ(DecodeBmp(Octets(Profondeur), Profondeur.size()), nullptr);
    const std::string Compression = Bmp(2, 2, 24, 1, "", Lignes);
    EXPECT_EQ(DecodeBmp(Octets(Compression), Compression.size()), nullptr);

    // An 8-bit picture whose indexes go past its palette shows black there.
    const std::string Court = Bmp(1, 1, 8, 0, std::string("\x00\x00\xFF\x00", 4), std::string("\x09\0\0\0", 4));
    auto B = DecodeBmp(Octets(Court), Court.size());
    ASSERT_NE(B, nullptr);
    EXPECT_EQ(B->GetPixel(0, 0), 0xFF000000u);
}

TEST(Image, FichiersParExtensionEtEnregistrementSur)
{
    testsupport::TempDir Dossier;
    const TImage Source = Motif(5, 5, true);
    const std::string Png = (Dossier / "a.PNG").string();
    ASSERT_TRUE(EnregistrePng(Source, Png));
    const auto Lue = ChargeFichierImage(Png);
    ASSERT_NE(Lue, nullptr);
    EXPECT_EQ(Lue->GetPixel(4, 4), Source.GetPixel(4, 4));

    const std::string Jpeg = (Dossier / "b.jpeg").string();
    ASSERT_TRUE(EnregistreJpeg(Source, Jpeg));
    EXPECT_NE(ChargeFichierImage(Jpeg), nullptr);
    EXPECT_NE(ChargeJpeg(Jpeg), nullptr);
    EXPECT_EQ(ChargePng(Jpeg), nullptr);

    // A PNG under another name is not opened by extension guesswork.
    std::filesystem::copy_file(Png, Dossier / "c.tiff");
    EXPECT_EQ(ChargeFichierImage((Dossier / "c.tiff").string()), nullptr);
    EXPECT_FALSE(ExtensionImageConnue("c.tiff"));
    EXPECT_FALSE(ExtensionImageConnue("png"));
    EXPECT_FALSE(ExtensionImageConnue("dossier.png/fichier"));
    EXPECT_TRUE(ExtensionImageConnue("x.Gif"));
    EXPECT_EQ(ChargeFichierImage((Dossier / "absent.png").string()), nullptr);

    // An empty picture writes nothing and leaves the previous file whole.
    const std::string Avant = testsupport::ReadWholeFile(Png);
    EXPECT_FALSE(EnregistrePng(TImage(), Png));
    EXPECT_FALSE(EnregistreJpeg(TImage(), Png));
    EXPECT_EQ(testsupport::ReadWholeFile(Png), Avant);
}
