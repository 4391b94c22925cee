#include "files/Image.h"

#include "base/Texte.h"
#include "files/Fichiers.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

// ---------------------------------------------------------------------------
// TImage

TImage::TImage(int Largeur, int Hauteur)
{
    if (!TailleAdmise(Largeur, Hauteur))
        return;
    Pixels_.assign(static_cast<size_t>(Largeur) * static_cast<size_t>(Hauteur) * 4, 0);
    Largeur_ = Largeur;
    Hauteur_ = Hauteur;
}

bool TImage::TailleAdmise(int64_t Largeur, int64_t Hauteur)
{
    return Largeur > 0 && Hauteur > 0 && Largeur <= MaxCoteImage && Hauteur <= MaxCoteImage &&
           Largeur * Hauteur <= MaxPixelsImage;
}

uint32_t TImage::GetPixel(int X, int Y) const
{
    if (X < 0 || Y < 0 || X >= Largeur_ || Y >= Hauteur_)
        return 0;
    const uint8_t* P = Ligne(Y) + static_cast<size_t>(X) * 4;
    return P[0] | (P[1] << 8) | (P[2] << 16) | (static_cast<uint32_t>(P[3]) << 24);
}

void TImage::SetPixel(int X, int Y, uint8_t R, uint8_t G, uint8_t B, uint8_t A)
{
    if (X < 0 || Y < 0 || X >= Largeur_ || Y >= Hauteur_)
        return;
    uint8_t* P = Ligne(Y) + static_cast<size_t>(X) * 4;
    P[0] = R;
    P[1] = G;
    P[2] = B;
    P[3] = A;
}

bool TImage::Opaque() const
{
    for (size_t I = 3; I < Pixels_.size(); I += 4)
        if (Pixels_[I] != 255)
            return false;
    return true;
}

namespace {

std::unique_ptr<TImage> NouvelleImage(int64_t Largeur, int64_t Hauteur)
{
    if (!TImage::TailleAdmise(Largeur, Hauteur))
        return nullptr;
    try {
        auto Image = std::make_unique<TImage>(static_cast<int>(Largeur), static_cast<int>(Hauteur));
        if (Image->Vide())
            return nullptr;
        return Image;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// The largest file a reader loads: an uncompressed 32-bit bitmap of the
// largest admitted picture, with room for its headers.
constexpr uintmax_t MaxTailleFichierImage = static_cast<uintmax_t>(TImage::MaxPixelsImage) * 4 + (1 << 20);

const uint8_t* VersOctets(const std::string& Texte)
{
    return reinterpret_cast<const uint8_t*>(Texte.data());
}

} // namespace

// ---------------------------------------------------------------------------
// PNG: libpng's simplified interface keeps its own error recovery and converts
// every colour type, palette transparency included, to 8-bit RGBA.

std::unique_ptr<TImage> DecodePng(const uint8_t* Octets, size_t Taille)
{
    if (Octets == nullptr || Taille < 8 || png_sig_cmp(Octets, 0, 8) != 0)
        return nullptr;
    png_image Png;
    std::memset(&Png, 0, sizeof Png);
    Png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&Png, Octets, Taille))
        return nullptr;
    auto Image = NouvelleImage(Png.width, Png.height);
    if (!Image) {
        png_image_free(&Png);
        return nullptr;
    }
    Png.format = PNG_FORMAT_RGBA;
    const bool Lu = png_image_finish_read(&Png, nullptr, Image->Pixels(), 0, nullptr) != 0;
    png_image_free(&Png);
    if (!Lu)
        return nullptr;
    return Image;
}

std::string EncodePng(const TImage& Image)
{
    if (Image.Vide())
        return {};
    png_image Png;
    std::memset(&Png, 0, sizeof Png);
    Png.version = PNG_IMAGE_VERSION;
    Png.width = static_cast<png_uint_32>(Image.Largeur());
    Png.height = static_cast<png_uint_32>(Image.Hauteur());
    // Opaque pictures are written without their alpha channel: a quarter smaller.
    std::vector<uint8_t> Rgb;
    const void* Source = Image.Pixels();
    if (Image.Opaque()) {
        Png.format = PNG_FORMAT_RGB;
        const size_t NbPixels = static_cast<size_t>(Image.Largeur()) * static_cast<size_t>(Image.Hauteur());
        Rgb.resize(NbPixels * 3);
        const uint8_t* P = Image.Pixels();
        for (size_t I = 0; I < NbPixels; ++I) {
            Rgb[I * 3] = P[I * 4];
            Rgb[I * 3 + 1] = P[I * 4 + 1];
            Rgb[I * 3 + 2] = P[I * 4 + 2];
        }
        Source = Rgb.data();
    } else {
        Png.format = PNG_FORMAT_RGBA;
    }
    png_alloc_size_t Taille = 0;
    if (!png_image_write_to_memory(&Png, nullptr, &Taille, 0, Source, 0, nullptr) || Taille == 0)
        return {};
    std::string Octets(Taille, '\0');
    if (!png_image_write_to_memory(&Png, Octets.data(), &Taille, 0, Source, 0, nullptr))
        return {};
    Octets.resize(Taille);
    return Octets;
}

// ---------------------------------------------------------------------------
// JPEG: libjpeg reports fatal errors through error_exit, which must not
// return; it jumps back to the setjmp of the routine that drives the library.
// Those routines hold no C++ object whose destructor a jump could skip: what
// must outlive a jump belongs to their caller.

namespace {

// Progressive files can hold any number of scans, each a full pass over the
// picture; real encoders write a dozen or so.
constexpr int MaxPassesJpeg = 500;
constexpr long MaxMemoireJpeg = 512L * 1024 * 1024;

struct ErreurJpeg {
    jpeg_error_mgr Mgr;
    std::jmp_buf Saut;
};

void SortieErreurJpeg(j_common_ptr Info)
{
    std::longjmp(reinterpret_cast<ErreurJpeg*>(Info->err)->Saut, 1);
}

void MessageJpeg(j_common_ptr) {}

void SurveilleJpeg(j_common_ptr Info)
{
    if (Info->is_decompressor && reinterpret_cast<j_decompress_ptr>(Info)->input_scan_number > MaxPassesJpeg)
        SortieErreurJpeg(Info);
}

struct LectureJpeg {
    jpeg_decompress_struct Info;
    ErreurJpeg Erreur;
    jpeg_progress_mgr Progres;
    std::unique_ptr<TImage> Image;
};

void ConvertitLigneJpeg(const JSAMPLE* Source, int Composantes, bool Adobe, int Largeur, uint8_t* Dest)
{
    for (int X = 0; X < Largeur; ++X, Dest += 4) {
        if (Composantes == 4) {
            // Adobe writes CMYK inverted; others write it plain.
            int C = Source[X * 4], M = Source[X * 4 + 1], Y = Source[X * 4 + 2], K = Source[X * 4 + 3];
            if (!Adobe) {
                C = 255 - C;
                M = 255 - M;
                Y = 255 - Y;
                K = 255 - K;
            }
            Dest[0] = static_cast<uint8_t>(C * K / 255);
            Dest[1] = static_cast<uint8_t>(M * K / 255);
            Dest[2] = static_cast<uint8_t>(Y * K / 255);
        } else {
            Dest[0] = Source[X * 3];
            Dest[1] = Source[X * 3 + 1];
            Dest[2] = Source[X * 3 + 2];
        }
        Dest[3] = 255;
    }
}

bool DecodeJpegDans(LectureJpeg& L, const uint8_t* Octets, size_t Taille)
{
    L.Info.err = jpeg_std_error(&L.Erreur.Mgr);
    L.Erreur.Mgr.error_exit = SortieErreurJpeg;
    L.Erreur.Mgr.output_message = MessageJpeg;
    if (setjmp(L.Erreur.Saut)) {
        jpeg_destroy_decompress(&L.Info);
        return false;
    }
    jpeg_create_decompress(&L.Info);
    L.Info.mem->max_memory_to_use = MaxMemoireJpeg;
    L.Progres.progress_monitor = SurveilleJpeg;
    L.Info.progress = &L.Progres;
    jpeg_mem_src(&L.Info, Octets, static_cast<unsigned long>(Taille));
    jpeg_read_header(&L.Info, TRUE);
    const bool Cmyk = L.Info.jpeg_color_space == JCS_CMYK || L.Info.jpeg_color_space == JCS_YCCK;
    L.Info.out_color_space = Cmyk ? JCS_CMYK : JCS_RGB;
    if (!TImage::TailleAdmise(L.Info.image_width, L.Info.image_height)) {
        jpeg_destroy_decompress(&L.Info);
        return false;
    }
    jpeg_start_decompress(&L.Info);
    const int Composantes = L.Info.output_components;
    if ((Composantes != 3 && Composantes != 4) || !TImage::TailleAdmise(L.Info.output_width, L.Info.output_height)) {
        jpeg_destroy_decompress(&L.Info);
        return false;
    }
    L.Image = NouvelleImage(L.Info.output_width, L.Info.output_height);
    if (!L.Image) {
        jpeg_destroy_decompress(&L.Info);
        return false;
    }
    JSAMPARRAY Tampon = (*L.Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&L.Info), JPOOL_IMAGE,
                                                    L.Info.output_width * Composantes, 1);
    const bool Adobe = L.Info.saw_Adobe_marker;
    while (L.Info.output_scanline < L.Info.output_height) {
        const int Y = static_cast<int>(L.Info.output_scanline);
        if (jpeg_read_scanlines(&L.Info, Tampon, 1) != 1)
            break;
        ConvertitLigneJpeg(Tampon[0], Composantes, Adobe, L.Image->Largeur(), L.Image->Ligne(Y));
    }
    jpeg_finish_decompress(&L.Info);
    jpeg_destroy_decompress(&L.Info);
    return true;
}

struct EcritureJpeg {
    jpeg_compress_struct Info;
    ErreurJpeg Erreur;
    unsigned char* Tampon = nullptr;
    unsigned long Taille = 0;
};

bool EncodeJpegDans(EcritureJpeg& E, const TImage& Image, int Qualite)
{
    E.Info.err = jpeg_std_error(&E.Erreur.Mgr);
    E.Erreur.Mgr.error_exit = SortieErreurJpeg;
    E.Erreur.Mgr.output_message = MessageJpeg;
    if (setjmp(E.Erreur.Saut)) {
        jpeg_destroy_compress(&E.Info);
        return false;
    }
    jpeg_create_compress(&E.Info);
    jpeg_mem_dest(&E.Info, &E.Tampon, &E.Taille);
    E.Info.image_width = static_cast<JDIMENSION>(Image.Largeur());
    E.Info.image_height = static_cast<JDIMENSION>(Image.Hauteur());
    E.Info.input_components = 3;
    E.Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&E.Info);
    jpeg_set_quality(&E.Info, std::clamp(Qualite, 1, 100), TRUE);
    jpeg_start_compress(&E.Info, TRUE);
    JSAMPARRAY Ligne =
        (*E.Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&E.Info), JPOOL_IMAGE, E.Info.image_width * 3, 1);
    for (int Y = 0; Y < Image.Hauteur(); ++Y) {
        const uint8_t* P = Image.Ligne(Y);
        JSAMPLE* D = Ligne[0];
        for (int X = 0; X < Image.Largeur(); ++X, P += 4, D += 3) {
            const int A = P[3];
            for (int C = 0; C < 3; ++C)
                D[C] = static_cast<JSAMPLE>((P[C] * A + 255 * (255 - A) + 127) / 255);
        }
        jpeg_write_scanlines(&E.Info, Ligne, 1);
    }
    jpeg_finish_compress(&E.Info);
    jpeg_destroy_compress(&E.Info);
    return true;
}

} // namespace

std::unique_ptr<TImage> DecodeJpeg(const uint8_t* Octets, size_t Taille)
{
    if (Octets == nullptr || Taille < 4 || Octets[0] != 0xFF || Octets[1] != 0xD8)
        return nullptr;
    auto L = std::make_unique<LectureJpeg>();
    if (!DecodeJpegDans(*L, Octets, Taille))
        return nullptr;
    return std::move(L->Image);
}

std::string EncodeJpeg(const TImage& Image, int Qualite)
{
    if (Image.Vide())
        return {};
    auto E = std::make_unique<EcritureJpeg>();
    const bool Ecrit = EncodeJpegDans(*E, Image, Qualite);
    std::string Octets;
    if (Ecrit && E->Tampon != nullptr) {
        try {
            Octets.assign(reinterpret_cast<const char*>(E->Tampon), E->Taille);
        } catch (const std::bad_alloc&) {
            Octets.clear();
        }
    }
    std::free(E->Tampon);
    return Octets;
}

// ---------------------------------------------------------------------------
// GIF: only the first frame is wanted, so the file is walked record by record
// rather than slurped whole (a file can hold any number of frames).

namespace {

struct SourceGif {
    const uint8_t* Octets;
    size_t Taille;
    size_t Pos;
};

int LitSourceGif(GifFileType* Gif, GifByteType* Dest, int Nombre)
{
    auto* Source = static_cast<SourceGif*>(Gif->UserData);
    if (Nombre <= 0)
        return 0;
    const size_t N = std::min(static_cast<size_t>(Nombre), Source->Taille - Source->Pos);
    std::memcpy(Dest, Source->Octets + Source->Pos, N);
    Source->Pos += N;
    return static_cast<int>(N);
}

struct FermeGif {
    void operator()(GifFileType* Gif) const
    {
        int Erreur = 0;
        DGifCloseFile(Gif, &Erreur);
    }
};

} // namespace

std::unique_ptr<TImage> DecodeGif(const uint8_t* Octets, size_t Taille)
{
    if (Octets == nullptr || Taille < 6 || std::memcmp(Octets, "GIF8", 4) != 0)
        return nullptr;
    SourceGif Source{Octets, Taille, 0};
    int Erreur = 0;
    std::unique_ptr<GifFileType, FermeGif> Gif(DGifOpen(&Source, LitSourceGif, &Erreur));
    if (!Gif)
        return nullptr;

    int Transparent = -1;
    for (;;) {
        GifRecordType Type;
        if (DGifGetRecordType(Gif.get(), &Type) == GIF_ERROR || Type == TERMINATE_RECORD_TYPE)
            return nullptr;
        if (Type == IMAGE_DESC_RECORD_TYPE)
            break;
        if (Type == EXTENSION_RECORD_TYPE) {
            int Code = 0;
            GifByteType* Bloc = nullptr;
            if (DGifGetExtension(Gif.get(), &Code, &Bloc) == GIF_ERROR)
                return nullptr;
            // The graphic control block that precedes a frame names its transparent colour.
            if (Code == GRAPHICS_EXT_FUNC_CODE && Bloc != nullptr && Bloc[0] >= 4)
                Transparent = (Bloc[1] & 1) ? Bloc[4] : -1;
            while (Bloc != nullptr)
                if (DGifGetExtensionNext(Gif.get(), &Bloc) == GIF_ERROR)
                    return nullptr;
        }
    }
    if (DGifGetImageDesc(Gif.get()) == GIF_ERROR)
        return nullptr;
    const GifImageDesc& Cadre = Gif->Image;
    const ColorMapObject* Palette = Cadre.ColorMap != nullptr ? Cadre.ColorMap : Gif->SColorMap;
    if (Palette == nullptr || Palette->Colors == nullptr || !TImage::TailleAdmise(Cadre.Width, Cadre.Height))
        return nullptr;
    // Each LZW code takes at least 3 bits and gives at most 4096 pixels, so a
    // file can never hold more pixels than this: a frame claiming more is
    // damaged, and is refused before a picture of its size is made.
    const int64_t PixelsPossibles = static_cast<int64_t>(Taille) * 8 / 3 * 4096;
    if (int64_t{Cadre.Width} * Cadre.Height > PixelsPossibles)
        return nullptr;

    // The frame goes on the logical screen when it fits there; a frame lying
    // outside its screen is shown alone.
    int Gauche = Cadre.Left, Haut = Cadre.Top;
    int64_t Largeur = Gif->SWidth, Hauteur = Gif->SHeight;
    if (Gauche < 0 || Haut < 0 || Gauche + int64_t{Cadre.Width} > Largeur || Haut + int64_t{Cadre.Height} > Hauteur ||
        !TImage::TailleAdmise(Largeur, Hauteur) || Largeur * Hauteur > PixelsPossibles) {
        Gauche = Haut = 0;
        Largeur = Cadre.Width;
        Hauteur = Cadre.Height;
    }
    auto Image = NouvelleImage(Largeur, Hauteur);
    if (!Image)
        return nullptr;

    std::vector<GifPixelType> Ligne(static_cast<size_t>(Cadre.Width));
    auto EcritLigne = [&](int Y) {
        uint8_t* D = Image->Ligne(Haut + Y) + static_cast<size_t>(Gauche) * 4;
        for (int X = 0; X < Cadre.Width; ++X, D += 4) {
            const int Index = Ligne[static_cast<size_t>(X)];
            if (Index == Transparent || Index >= Palette->ColorCount)
                continue;
            const GifColorType& C = Palette->Colors[Index];
            D[0] = C.Red;
            D[1] = C.Green;
            D[2] = C.Blue;
            D[3] = 255;
        }
    };
    if (Cadre.Interlace) {
        static constexpr int Debut[] = {0, 4, 2, 1};
        static constexpr int Pas[] = {8, 8, 4, 2};
        for (int Passe = 0; Passe < 4; ++Passe)
            for (int Y = Debut[Passe]; Y < Cadre.Height; Y += Pas[Passe]) {
                if (DGifGetLine(Gif.get(), Ligne.data(), Cadre.Width) == GIF_ERROR)
                    return nullptr;
                EcritLigne(Y);
            }
    } else {
        for (int Y = 0; Y < Cadre.Height; ++Y) {
            if (DGifGetLine(Gif.get(), Ligne.data(), Cadre.Width) == GIF_ERROR)
                return nullptr;
            EcritLigne(Y);
        }
    }
    return Image;
}

// ---------------------------------------------------------------------------
// BMP, read by hand: the file header, an OS/2 core header (12 bytes) or a
// Windows information header (40 bytes and its longer versions), optional bit
// masks and palette, then the rows, bottom-up unless the height is negative.

namespace {

uint16_t Lit16(const uint8_t* P)
{
    return static_cast<uint16_t>(P[0] | (P[1] << 8));
}
uint32_t Lit32(const uint8_t* P)
{
    return P[0] | (P[1] << 8) | (P[2] << 16) | (static_cast<uint32_t>(P[3]) << 24);
}

// One channel of a bit-field pixel, scaled to 8 bits.
struct Canal {
    uint32_t Masque = 0;
    int Decalage = 0;
    uint32_t Max = 0;

    explicit Canal(uint32_t M = 0) : Masque(M)
    {
        if (M != 0) {
            Decalage = std::countr_zero(M);
            Max = M >> Decalage;
        }
    }
    bool Present() const { return Masque != 0; }
    uint8_t Valeur(uint32_t Pixel) const
    {
        if (Max == 0)
            return 0;
        return static_cast<uint8_t>(uint64_t{(Pixel & Masque) >> Decalage} * 255 / Max);
    }
};

enum : uint32_t { BmpRgb = 0, BmpRle8 = 1, BmpRle4 = 2, BmpChamps = 3, BmpChampsAlpha = 6 };

struct Couleur {
    uint8_t R = 0, G = 0, B = 0;
};

void DecodeRle(const uint8_t* P, const uint8_t* Fin, bool Rle4, const std::vector<Couleur>& Palette, bool Descendant,
               TImage& Image)
{
    const int Largeur = Image.Largeur(), Hauteur = Image.Hauteur();
    int X = 0, Y = 0;
    auto Pose = [&](int Index) {
        if (X < Largeur && Y < Hauteur) {
            const Couleur C =
                static_cast<size_t>(Index) < Palette.size() ? Palette[static_cast<size_t>(Index)] : Couleur{};
            Image.SetPixel(X, Descendant ? Y : Hauteur - 1 - Y, C.R, C.G, C.B);
        }
        if (X < Largeur)
            ++X;
    };
    while (Fin - P >= 2 && Y < Hauteur) {
        const int N = P[0], C = P[1];
        P += 2;
        if (N > 0) {
            for (int I = 0; I < N; ++I)
                Pose(Rle4 ? ((I & 1) ? (C & 0x0F) : (C >> 4)) : C);
        } else if (C == 0) {
            X = 0;
            ++Y;
        } else if (C == 1) {
            break;
        } else if (C == 2) {
            if (Fin - P < 2)
                break;
            X = std::min(X + P[0], Largeur);
            Y = std::min(Y + P[1], Hauteur);
            P += 2;
        } else {
            // A literal run, padded to a whole number of 16-bit words.
            const ptrdiff_t Octets = Rle4 ? (C + 1) / 2 : C;
            const ptrdiff_t Pris = (Octets + 1) & ~ptrdiff_t{1};
            if (Fin - P < Octets)
                break;
            for (int I = 0; I < C; ++I)
                Pose(Rle4 ? ((I & 1) ? (P[I / 2] & 0x0F) : (P[I / 2] >> 4)) : P[I]);
            P += std::min(Pris, Fin - P);
        }
    }
}

} // namespace

std::unique_ptr<TImage> DecodeBmp(const uint8_t* Octets, size_t Taille)
{
    if (Octets == nullptr || Taille < 14 + 12 || Octets[0] != 'B' || Octets[1] != 'M')
        return nullptr;
    const uint8_t* const Fin = Octets + Taille;
    const uint32_t DebutPixels = Lit32(Octets + 10);
    const uint32_t TailleEntete = Lit32(Octets + 14);
    const uint8_t* H = Octets + 14;

    int64_t Largeur = 0, Hauteur = 0;
    int Bits = 0;
    uint32_t Compression = BmpRgb, NbCouleurs = 0;
    size_t TaillePaletteEntree = 4;
    if (TailleEntete == 12) {
        Largeur = Lit16(H + 4);
        Hauteur = Lit16(H + 6);
        Bits = Lit16(H + 10);
        TaillePaletteEntree = 3;
    } else if (TailleEntete >= 40 && TailleEntete <= Taille - 14) {
        Largeur = static_cast<int32_t>(Lit32(H + 4));
        Hauteur = static_cast<int32_t>(Lit32(H + 8));
        Bits = Lit16(H + 14);
        Compression = Lit32(H + 16);
        NbCouleurs = Lit32(H + 32);
    } else {
        return nullptr;
    }
    const bool Descendant = Hauteur < 0;
    Hauteur = Descendant ? -Hauteur : Hauteur;
    if (!TImage::TailleAdmise(Largeur, Hauteur))
        return nullptr;

    const bool Champs = Compression == BmpChamps || Compression == BmpChampsAlpha;
    const bool Valide =
        (Compression == BmpRgb && (Bits == 1 || Bits == 4 || Bits == 8 || Bits == 16 || Bits == 24 || Bits == 32)) ||
        (Compression == BmpRle8 && Bits == 8) || (Compression == BmpRle4 && Bits == 4) ||
        (Champs && (Bits == 16 || Bits == 32));
    if (!Valide)
        return nullptr;

    // Bit masks: inside the longer headers, or just after a 40-byte one.
    const uint8_t* Suite = H + TailleEntete;
    Canal Rouge, Vert, Bleu, Alpha;
    if (Champs) {
        const size_t NbMasques = Compression == BmpChampsAlpha || TailleEntete >= 56 ? 4 : 3;
        if (static_cast<size_t>(Fin - (H + 40)) < NbMasques * 4)
            return nullptr;
        Rouge = Canal(Lit32(H + 40));
        Vert = Canal(Lit32(H + 44));
        Bleu = Canal(Lit32(H + 48));
        if (NbMasques == 4)
            Alpha = Canal(Lit32(H + 52));
        if (TailleEntete == 40)
            Suite = H + 40 + NbMasques * 4;
    } else if (Bits == 16) {
        Rouge = Canal(0x7C00);
        Vert = Canal(0x03E0);
        Bleu = Canal(0x001F);
    } else if (Bits == 32) {
        // The fourth byte of an uncompressed 32-bit bitmap is not alpha.
        Rouge = Canal(0xFF0000);
        Vert = Canal(0xFF00);
        Bleu = Canal(0xFF);
    }

    std::vector<Couleur> Palette;
    if (Bits <= 8) {
        size_t N = size_t{1} << Bits;
        if (NbCouleurs != 0 && NbCouleurs < N)
            N = NbCouleurs;
        N = std::min(N, static_cast<size_t>(Fin - Suite) / TaillePaletteEntree);
        Palette.resize(N);
        for (size_t I = 0; I < N; ++I) {
            const uint8_t* E = Suite + I * TaillePaletteEntree;
            Palette[I] = Couleur{E[2], E[1], E[0]};
        }
        Suite += N * TaillePaletteEntree;
    }
    // Some writers leave the pixel offset at 0; the pixels then follow the palette.
    const uint8_t* Pixels = Octets + DebutPixels;
    if (DebutPixels < static_cast<size_t>(Suite - Octets) || DebutPixels >= Taille)
        Pixels = Suite;
    if (Pixels >= Fin)
        return nullptr;

    const bool Rle = Compression == BmpRle8 || Compression == BmpRle4;
    // Uncompressed rows are all in the file or the file is refused, before a
    // picture of the size it claims is made.
    const size_t TailleLigne = ((static_cast<size_t>(Largeur) * static_cast<size_t>(Bits) + 31) / 32) * 4;
    if (!Rle && static_cast<size_t>(Fin - Pixels) / TailleLigne < static_cast<size_t>(Hauteur))
        return nullptr;
    auto Image = NouvelleImage(Largeur, Hauteur);
    if (!Image)
        return nullptr;
    if (Rle) {
        DecodeRle(Pixels, Fin, Compression == BmpRle4, Palette, Descendant, *Image);
        return Image;
    }
    for (int64_t Rang = 0; Rang < Hauteur; ++Rang) {
        const uint8_t* S = Pixels + static_cast<size_t>(Rang) * TailleLigne;
        uint8_t* D = Image->Ligne(static_cast<int>(Descendant ? Rang : Hauteur - 1 - Rang));
        for (int64_t X = 0; X < Largeur; ++X, D += 4) {
            if (Bits <= 8) {
                const size_t Bit = static_cast<size_t>(X) * static_cast<size_t>(Bits);
                const int Index = (S[Bit / 8] >> (8 - Bits - static_cast<int>(Bit % 8))) & ((1 << Bits) - 1);
                const Couleur C =
                    static_cast<size_t>(Index) < Palette.size() ? Palette[static_cast<size_t>(Index)] : Couleur{};
                D[0] = C.R;
                D[1] = C.G;
                D[2] = C.B;
                D[3] = 255;
            } else if (Bits == 24) {
                D[0] = S[X * 3 + 2];
                D[1] = S[X * 3 + 1];
                D[2] = S[X * 3];
                D[3] = 255;
            } else {
                const uint32_t V = Bits == 16 ? Lit16(S + X * 2) : Lit32(S + X * 4);
                D[0] = Rouge.Valeur(V);
                D[1] = Vert.Valeur(V);
                D[2] = Bleu.Valeur(V);
                D[3] = Alpha.Present() ? Alpha.Valeur(V) : 255;
            }
        }
    }
    return Image;
}

// ---------------------------------------------------------------------------
// Files

namespace {

std::string ExtensionMajuscule(std::string_view Fichier)
{
    const size_t Barre = Fichier.find_last_of('/');
    const std::string_view Nom = Barre == std::string_view::npos ? Fichier : Fichier.substr(Barre + 1);
    const size_t Point = Nom.find_last_of('.');
    if (Point == std::string_view::npos)
        return {};
    return MajusculesAscii(Nom.substr(Point + 1));
}

using Decodeur = std::unique_ptr<TImage> (*)(const uint8_t*, size_t);

Decodeur DecodeurDe(std::string_view Fichier)
{
    const std::string Extension = ExtensionMajuscule(Fichier);
    if (Extension == "PNG")
        return DecodePng;
    if (Extension == "GIF")
        return DecodeGif;
    if (Extension == "JPG" || Extension == "JPEG")
        return DecodeJpeg;
    if (Extension == "BMP")
        return DecodeBmp;
    return nullptr;
}

std::unique_ptr<TImage> ChargeAvec(Decodeur Decode, const std::string& Fichier)
{
    std::string Octets;
    if (Decode == nullptr || !LitFichierBorne(Fichier, MaxTailleFichierImage, Octets))
        return nullptr;
    return Decode(VersOctets(Octets), Octets.size());
}

} // namespace

std::unique_ptr<TImage> ChargePng(const std::string& Fichier)
{
    return ChargeAvec(DecodePng, Fichier);
}

std::unique_ptr<TImage> ChargeJpeg(const std::string& Fichier)
{
    return ChargeAvec(DecodeJpeg, Fichier);
}

std::unique_ptr<TImage> ChargeFichierImage(const std::string& Fichier)
{
    return ChargeAvec(DecodeurDe(Fichier), Fichier);
}

bool ExtensionImageConnue(std::string_view Fichier)
{
    return DecodeurDe(Fichier) != nullptr;
}

namespace {

bool EnregistreOctets(const std::string& Octets, const std::string& Fichier)
{
    // An encoder that failed gives nothing, which must not replace a picture.
    return !Octets.empty() && EcritFichierRemplace(Fichier, Octets);
}

} // namespace

bool EnregistrePng(const TImage& Image, const std::string& Fichier)
{
    return EnregistreOctets(EncodePng(Image), Fichier);
}

bool EnregistreJpeg(const TImage& Image, const std::string& Fichier, int Qualite)
{
    return EnregistreOctets(EncodeJpeg(Image, Qualite), Fichier);
}
