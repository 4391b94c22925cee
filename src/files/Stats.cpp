#include "files/Stats.h"

#include "base/Disque.h"
#include "base/Texte.h"
#include "files/ioFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// Callers pass the folder ending with "/"; one without it must not yield "statsstat5.txt".
std::string AvecSeparateur(const std::string& Dossier)
{
    return Dossier.empty() || Dossier.back() == '/' ? Dossier : Dossier + "/";
}

// The archive stores its 16-bit values high byte first.
uint16_t LitMotGrosBout(TLecteurFichier& Lecteur)
{
    uint16_t Fort = Lecteur.LitOctet();
    return static_cast<uint16_t>((Fort << 8) | Lecteur.LitOctet());
}

void AjouteMotGrosBout(std::vector<uint8_t>& Octets, int Valeur)
{
    Octets.push_back(static_cast<uint8_t>((Valeur >> 8) & 0xFF));
    Octets.push_back(static_cast<uint8_t>(Valeur & 0xFF));
}

// The key under which names that differ only by case meet.
std::string CleNom(const std::string& Nom)
{
    return Minuscules(Nom);
}

constexpr uint8_t FinNom = 0xFF;

} // namespace

// --- TSaisonStat ---

TSaisonStat::TSaisonStat(int N) : N_(std::clamp(N, 0, MaxEquipes))
{
    Matrice_.assign(static_cast<std::size_t>(N_) * static_cast<std::size_t>(N_) * 2, NonJoue);
}

TSaisonStat::TSaisonStat(int N, int Annee) : TSaisonStat(N)
{
    SetAnnee(Annee);
}

void TSaisonStat::SetAnnee(int Annee)
{
    if (Annee >= 1 && Annee <= 199)
        Annee_ = Annee;
}

int TSaisonStat::AjouteEquipe(int Numero)
{
    if (Numero < 0 || Numero > 0xFFFF || NbEquipes() >= MaxEquipes)
        return -1;
    Equipes_.push_back(Numero);
    return NbEquipes() - 1;
}

int TSaisonStat::GetEquipe(int i) const
{
    return i >= 0 && i < NbEquipes() ? Equipes_[static_cast<std::size_t>(i)] : -1;
}

int TSaisonStat::IndexEquipe(int Numero) const
{
    auto It = std::find(Equipes_.begin(), Equipes_.end(), Numero);
    return It == Equipes_.end() ? -1 : static_cast<int>(It - Equipes_.begin());
}

void TSaisonStat::SetScore(int i, int j, uint8_t ButsDomicile, uint8_t ButsExterieur)
{
    if (i < 0 || i >= N_ || j < 0 || j >= N_)
        return;
    std::size_t k = (static_cast<std::size_t>(i) * static_cast<std::size_t>(N_) + static_cast<std::size_t>(j)) * 2;
    Matrice_[k] = ButsDomicile;
    Matrice_[k + 1] = ButsExterieur;
}

void TSaisonStat::GetScore(int i, int j, uint8_t& ButsDomicile, uint8_t& ButsExterieur) const
{
    ButsDomicile = NonJoue;
    ButsExterieur = NonJoue;
    if (i < 0 || i >= N_ || j < 0 || j >= N_)
        return;
    std::size_t k = (static_cast<std::size_t>(i) * static_cast<std::size_t>(N_) + static_cast<std::size_t>(j)) * 2;
    ButsDomicile = Matrice_[k];
    ButsExterieur = Matrice_[k + 1];
}

void TSaisonStat::GetScoreEquipes(int NumeroDomicile, int NumeroExterieur, uint8_t& ButsDomicile,
                                  uint8_t& ButsExterieur) const
{
    GetScore(IndexEquipe(NumeroDomicile), IndexEquipe(NumeroExterieur), ButsDomicile, ButsExterieur);
}

void TSaisonStat::SetOctet(int k, uint8_t Valeur)
{
    if (k >= 0 && static_cast<std::size_t>(k) < Matrice_.size())
        Matrice_[static_cast<std::size_t>(k)] = Valeur;
}

std::vector<uint8_t> TSaisonStat::Serialise() const
{
    std::vector<uint8_t> Octets;
    Octets.reserve(4 + Equipes_.size() * 2 + Matrice_.size());
    Octets.push_back(static_cast<uint8_t>(N_));
    Octets.push_back(static_cast<uint8_t>(Annee_));
    Octets.push_back(SystemePoints_);
    Octets.push_back(static_cast<uint8_t>(Equipes_.size()));
    for (int Numero : Equipes_)
        AjouteMotGrosBout(Octets, Numero);
    Octets.insert(Octets.end(), Matrice_.begin(), Matrice_.end());
    return Octets;
}

void TSaisonStat::CalculeClassement(int Mode, std::vector<TLigneClassementStat>& Table,
                                    std::vector<TLigneOrdreStat>& Ordre) const
{
    // Counters per team and side (0 home, 1 away). Ints: a season of 255 teams
    // plays 508 matches a team, more than a byte counts.
    struct TCompteurs {
        int Gagnes[2] = {}, Nuls[2] = {}, Perdus[2] = {}, Pour[2] = {}, Contre[2] = {};
        int GagnesEcart3 = 0;
    };
    const std::size_t N = static_cast<std::size_t>(N_);
    std::vector<TCompteurs> C(N);
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            int h = Matrice_[(i * N + j) * 2];
            int a = Matrice_[(i * N + j) * 2 + 1];
            if (h == NonJoue || a == NonJoue)
                continue;
            if (h > a) {
                ++C[i].Gagnes[0];
                ++C[j].Perdus[1];
                if (h >= a + 3)
                    ++C[i].GagnesEcart3;
            } else if (h == a) {
                ++C[i].Nuls[0];
                ++C[j].Nuls[1];
            } else {
                ++C[i].Perdus[0];
                ++C[j].Gagnes[1];
                if (a >= h + 3)
                    ++C[j].GagnesEcart3;
            }
            C[i].Pour[0] += h;
            C[i].Contre[0] += a;
            C[j].Pour[1] += a;
            C[j].Contre[1] += h;
        }
    }

    Table.assign(N, TLigneClassementStat{});
    Ordre.assign(N, TLigneOrdreStat{});
    const bool Complet = Mode >= 1 && Mode <= 3;
    for (std::size_t t = 0; t < N; ++t) {
        const TCompteurs& c = C[t];
        auto Somme = [&](const int(&v)[2]) { return Mode == 2 ? v[0] : Mode == 3 ? v[1] : v[0] + v[1]; };
        TLigneClassementStat& L = Table[t];
        if (Complet) {
            L[1] = Somme(c.Gagnes);
            L[2] = Somme(c.Nuls);
            L[3] = Somme(c.Perdus);
            L[4] = Somme(c.Pour);
            L[5] = Somme(c.Contre);
            L[6] = L[4] - L[5];
            switch (SystemePoints_) {
            case 1:
                L[0] = 2 * L[1] + L[2];
                break;
            case 2:
                // The bonus counts over the whole season, home and away alike.
                L[0] = 2 * L[1] + L[2] + c.GagnesEcart3;
                break;
            default:
                // 0, and whatever a damaged file holds.
                L[0] = 3 * L[1] + L[2];
                break;
            }
        } else if (Mode == 5) {
            L[4] = c.Pour[0] + c.Pour[1];
        } else if (Mode == 6) {
            L[5] = c.Contre[0] + c.Contre[1];
        }
        TLigneOrdreStat& O = Ordre[t];
        O[0] = static_cast<int>(t);
        if (Complet) {
            O[1] = L[0];
            O[2] = L[6];
            O[3] = L[4];
            O[4] = L[1];
        } else if (Mode >= 4 && Mode <= 6) {
            O[1] = L[static_cast<std::size_t>(Mode - 1)];
        }
    }

    // An exchange sort: the history page's positions for ties that no key
    // separates (modes 4-6) are the ones this sort gives.
    auto Avant = [&](const TLigneOrdreStat& q, const TLigneOrdreStat& p) {
        if (!Complet)
            return q[1] > p[1];
        if (q[1] != p[1])
            return q[1] > p[1];
        if (q[2] != p[2])
            return q[2] > p[2];
        if (q[3] != p[3])
            return q[3] > p[3];
        return q[0] < p[0];
    };
    for (std::size_t p = 0; p < N; ++p)
        for (std::size_t q = p + 1; q < N; ++q)
            if (Avant(Ordre[q], Ordre[p]))
                std::swap(Ordre[p], Ordre[q]);
}

// --- TStat ---

bool TStat::Charge(const std::string& NomFichier)
{
    std::error_code Erreur;
    if (!std::filesystem::is_regular_file(NomFichier, Erreur))
        return false;
    try {
        TLecteurFichier Lecteur(NomFichier);
        Lit(Lecteur);
    } catch (const EErreurFichier&) {
        return false;
    }
    NomFichier_ = NomFichier;
    return true;
}

void TStat::Lit(TLecteurFichier& Lecteur)
{
    TStat Lue;
    int Entrees;
    uint8_t Premier = Lecteur.LitOctet();
    if (Premier == 0xFF) {
        Lue.Id_ = LitMotGrosBout(Lecteur);
        Entrees = LitMotGrosBout(Lecteur);
    } else {
        // Older files have no header: their first byte is the high byte of the count.
        Lue.Id_ = 1;
        Entrees = (Premier << 8) | Lecteur.LitOctet();
    }
    for (int e = 0; e < Entrees; ++e) {
        int Numero = LitMotGrosBout(Lecteur);
        std::string Nom = DecodeTexteStocke(Lecteur.LitChaine(FinNom));
        if (!Nom.empty())
            Lue.AjouteNomEquipe(Nom, Numero);
    }
    int NbSaisons = Lecteur.LitOctet();
    for (int s = 0; s < NbSaisons; ++s) {
        int N = Lecteur.LitOctet();
        int Annee = Lecteur.LitOctet();
        auto Saison = std::make_unique<TSaisonStat>(N, Annee);
        Saison->SetSystemePoints(Lecteur.LitOctet());
        int T = Lecteur.LitOctet();
        for (int t = 0; t < T; ++t)
            Saison->AjouteEquipe(LitMotGrosBout(Lecteur));
        for (int k = 0; k < N * N * 2; ++k)
            Saison->SetOctet(k, Lecteur.LitOctet());
        Lue.AjouteSaison(std::move(Saison));
    }
    Saisons_ = std::move(Lue.Saisons_);
    Noms_ = std::move(Lue.Noms_);
    CleNoms_ = std::move(Lue.CleNoms_);
    NumeroLibre_ = Lue.NumeroLibre_;
    Id_ = Lue.Id_;
}

void TStat::Ecrit(TRedacteurFichier& Redacteur) const
{
    std::vector<uint8_t> Octets{0xFF};
    AjouteMotGrosBout(Octets, Id_);
    int Entrees =
        static_cast<int>(std::count_if(Noms_.begin(), Noms_.end(), [](const auto& n) { return !n.first.empty(); }));
    if (Entrees > 0xFFFF)
        throw EErreurFichier("too many team names for an archive file");
    AjouteMotGrosBout(Octets, Entrees);
    for (const auto& [Nom, Numero] : Noms_) {
        if (Nom.empty())
            continue;
        AjouteMotGrosBout(Octets, Numero);
        // UTF-8 never holds the byte that ends a name; a stray one must not cut the file.
        for (char c : Nom)
            if (static_cast<uint8_t>(c) != FinNom)
                Octets.push_back(static_cast<uint8_t>(c));
        Octets.push_back(FinNom);
    }
    Octets.push_back(static_cast<uint8_t>(Saisons_.size()));
    Redacteur.EcritOctets(Octets.data(), Octets.size());
    for (const auto& Saison : Saisons_) {
        std::vector<uint8_t> Bloc = Saison->Serialise();
        Redacteur.EcritOctets(Bloc.data(), Bloc.size());
    }
}

void TStat::Sauve() const
{
    if (NomFichier_.empty())
        throw EErreurFichier("the archive has no file name");
    // Serialised whole before the file is touched, then put in place so that
    // a failed save keeps the previous archive whole.
    class TDestinationTexte : public TDestinationOctets {
    public:
        explicit TDestinationTexte(std::string& Octets) : Octets_(Octets) {}
        void Ecrit(const uint8_t* Source, std::size_t Nombre) override
        {
            Octets_.append(reinterpret_cast<const char*>(Source), Nombre);
        }
        void Ferme() override {}

    private:
        std::string& Octets_;
    };
    std::string Octets;
    TRedacteurFichier Redacteur(std::make_unique<TDestinationTexte>(Octets));
    Ecrit(Redacteur);
    Redacteur.Ferme();
    if (!RemplaceFichier(NomFichier_, Octets))
        throw EErreurEcriture("cannot write \"" + NomFichier_ + "\"", errno);
}

int TStat::ChercheNumeroEquipe(const std::string& Nom) const
{
    auto It = CleNoms_.find(CleNom(Nom));
    return It == CleNoms_.end() ? -1 : Noms_[static_cast<std::size_t>(It->second)].second;
}

int TStat::AjouteNomEquipe(const std::string& Nom, int Numero)
{
    std::string Cle = CleNom(Nom);
    auto It = CleNoms_.find(Cle);
    if (It != CleNoms_.end())
        return Noms_[static_cast<std::size_t>(It->second)].second;
    CleNoms_.emplace(std::move(Cle), NbEquipes());
    Noms_.emplace_back(Nom, Numero);
    if (Numero >= NumeroLibre_)
        NumeroLibre_ = Numero + 1;
    return Numero;
}

int TStat::NumeroEquipe(const std::string& Nom)
{
    int Numero = ChercheNumeroEquipe(Nom);
    return Numero >= 0 ? Numero : AjouteNomEquipe(Nom, NumeroLibre_);
}

std::string TStat::NomEquipe(int Numero) const
{
    for (const auto& [Nom, N] : Noms_)
        if (N == Numero)
            return Nom;
    return {};
}

std::string TStat::NomEquipeIndex(int i) const
{
    return i >= 0 && i < NbEquipes() ? Noms_[static_cast<std::size_t>(i)].first : std::string();
}

int TStat::AjouteSaison(std::unique_ptr<TSaisonStat> Saison, std::unique_ptr<TSaisonStat>* Remplacee)
{
    if (!Saison)
        return -1;
    auto It = std::find_if(Saisons_.begin(), Saisons_.end(),
                           [&](const auto& s) { return s->GetAnnee() <= Saison->GetAnnee(); });
    int Index = static_cast<int>(It - Saisons_.begin());
    if (It != Saisons_.end() && (*It)->GetAnnee() == Saison->GetAnnee()) {
        std::unique_ptr<TSaisonStat> Ancienne = std::move(*It);
        *It = std::move(Saison);
        if (Remplacee)
            *Remplacee = std::move(Ancienne);
    } else {
        Saisons_.insert(It, std::move(Saison));
    }
    return Index;
}

int TStat::RetireSaison(const TSaisonStat* Saison, std::unique_ptr<TSaisonStat>* Retiree)
{
    int Index = IndexSaison(Saison);
    if (Index < 0)
        return -1;
    auto It = Saisons_.begin() + Index;
    std::unique_ptr<TSaisonStat> Sortie = std::move(*It);
    Saisons_.erase(It);
    if (Retiree)
        *Retiree = std::move(Sortie);
    return Index;
}

int TStat::IndexSaison(const TSaisonStat* Saison) const
{
    for (std::size_t i = 0; i < Saisons_.size(); ++i)
        if (Saisons_[i].get() == Saison)
            return static_cast<int>(i);
    return -1;
}

TSaisonStat* TStat::GetSaison(int i) const
{
    return i >= 0 && i < NbSaisons() ? Saisons_[static_cast<std::size_t>(i)].get() : nullptr;
}

// --- TStats ---

std::vector<std::string> TStats::ChargeDossier(const std::string& NomDossier)
{
    const std::string Dossier = AvecSeparateur(NomDossier);
    std::vector<std::string> Noms;
    std::error_code Erreur;
    for (std::filesystem::directory_iterator It(Dossier, Erreur), Fin; !Erreur && It != Fin; It.increment(Erreur)) {
        if (!It->is_regular_file(Erreur))
            continue;
        // The extension cut to four characters: "stat5.txt~" counts as well.
        std::string Extension = MinusculesAscii(It->path().extension().string().substr(0, 4));
        if (Extension == ".txt")
            Noms.push_back(It->path().filename().string());
    }
    // The listing's order is the file system's; name order makes ChercheId's
    // pick among archives of one id the same on every machine.
    std::sort(Noms.begin(), Noms.end());
    std::vector<std::string> Illisibles;
    for (const std::string& Nom : Noms) {
        auto Stat = std::make_unique<TStat>();
        if (Stat->Charge(Dossier + Nom))
            Stats_.push_back(std::move(Stat));
        else
            Illisibles.push_back(Dossier + Nom);
    }
    return Illisibles;
}

TStat* TStats::Ajoute(const std::string& Dossier, int Id)
{
    if (TStat* Existante = ChercheId(Id))
        return Existante;
    const std::string Base = AvecSeparateur(Dossier) + "stat" + std::to_string(Id);
    auto Pris = [&](const std::string& Nom) {
        std::error_code Erreur;
        if (std::filesystem::exists(Nom, Erreur))
            return true;
        return std::any_of(Stats_.begin(), Stats_.end(), [&](const auto& s) { return s->GetNomFichier() == Nom; });
    };
    // An older file without header (id 1) or a damaged one may already be
    // called stat<id>.txt.
    std::string Nom = Base + ".txt";
    for (int Suffixe = 2; Pris(Nom); ++Suffixe)
        Nom = Base + "-" + std::to_string(Suffixe) + ".txt";
    auto Stat = std::make_unique<TStat>();
    Stat->SetId(Id);
    Stat->SetNomFichier(Nom);
    Stats_.push_back(std::move(Stat));
    return Stats_.back().get();
}

TStat* TStats::ChercheId(int Id) const
{
    for (const auto& Stat : Stats_)
        if (Stat->GetId() == Id)
            return Stat.get();
    return nullptr;
}

TStat* TStats::GetStat(int i) const
{
    return i >= 0 && i < Count() ? Stats_[static_cast<std::size_t>(i)].get() : nullptr;
}

int TStats::IndexOf(const TStat* Stat) const
{
    for (std::size_t i = 0; i < Stats_.size(); ++i)
        if (Stats_[i].get() == Stat)
            return static_cast<int>(i);
    return -1;
}
