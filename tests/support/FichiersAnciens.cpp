#include "support/FichiersAnciens.h"

#include "base/Texte.h"

#include <algorithm>

namespace testsupport {

void EcrivainAncien::Mot(int v)
{
    Octet(v & 0xFF);
    Octet((v >> 8) & 0xFF);
}

void EcrivainAncien::Long(int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        Octet((u >> (8 * i)) & 0xFF);
}

void EcrivainAncien::Grand(uint32_t v, int n)
{
    for (int i = n - 1; i >= 0; --i)
        Octet((v >> (8 * i)) & 0xFF);
}

void EcrivainAncien::Texte(const std::string& utf8, uint8_t fin)
{
    for (char32_t c : VersCaracteres(utf8)) {
        const int b = OctetWindows1252(c);
        Octet(b < 0 ? '?' : b);
    }
    Octet(fin);
}

void EcrivainAncien::BlocNoms(const std::vector<std::string>& noms)
{
    std::vector<int> codes;
    for (const std::string& nom : noms) {
        for (char c : nom) {
            if (c >= 'A' && c <= 'Z')
                codes.push_back(c - 'A');
            else if (c == '.')
                codes.push_back(26);
            else if (c == '-')
                codes.push_back(27);
            else if (c == '\'')
                codes.push_back(28);
            else
                codes.push_back(29);
        }
        codes.push_back(30);
    }
    codes.push_back(31);
    while (codes.size() % 3 != 0)
        codes.push_back(31);
    for (size_t i = 0; i < codes.size(); i += 3)
        Mot(codes[i] << 10 | codes[i + 1] << 5 | codes[i + 2]);
}

void EcrivainAncien::ListeNoms(const std::vector<std::string>& noms)
{
    size_t i = 0;
    for (;;) {
        const size_t n = std::min<size_t>(200, noms.size() - i);
        BlocNoms(
            std::vector<std::string>(noms.begin() + static_cast<long>(i), noms.begin() + static_cast<long>(i + n)));
        i += n;
        if (n < 200)
            return;
    }
}

void EcrivainAncien::Version(int version)
{
    if (version >= 4)
        Mot(0xFF00 | version);
}

void EcrivainAncien::PatchMot(size_t position, int v)
{
    bytes[position] = static_cast<uint8_t>(v & 0xFF);
    bytes[position + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

void EcrivainAncien::PatchGrand(size_t position, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        bytes[position + i] = static_cast<uint8_t>((v >> (8 * (n - 1 - i))) & 0xFF);
}

namespace {

// The number encodings of a kind: the season file's, or those the
// championship, data and team files share.
struct Format {
    int Version;
    bool Saison;
};

void Id(EcrivainAncien& e, const Format& f, int id)
{
    if (f.Saison && f.Version >= 4)
        e.Grand(static_cast<uint32_t>(id), 2);
    else
        e.Octet(id);
}

void Entier(EcrivainAncien& e, const Format& f, int v)
{
    e.Grand(static_cast<uint32_t>(v), f.Saison ? 4 : 2);
}

void EntierMots(EcrivainAncien& e, const Format& f, int v)
{
    if (f.Saison) {
        e.Mot((v >> 16) & 0xFFFF);
        e.Mot(v & 0xFFFF);
    } else {
        e.Mot(v);
    }
}

void Date(EcrivainAncien& e, const Format& f, int contrat, int club)
{
    if (f.Saison) {
        e.Mot(contrat << 8);
        e.Mot(club);
    } else {
        e.Mot(contrat << 8 | (club & 0xFF));
    }
}

void Aligne(EcrivainAncien& e)
{
    if (e.Position() % 2 != 0)
        e.Octet(0);
}

int NbJourEcrit(const ChampAncien& c)
{
    return static_cast<int>(c.Jours.size());
}

void Equipes(EcrivainAncien& e, const SaisonAncienne& s, int version)
{
    if (version >= 7) {
        e.Mot(static_cast<int>(s.Equipes.size()));
        for (const auto& n : s.Equipes)
            e.Texte(n);
    } else if (version >= 4) {
        e.ListeNoms(s.Equipes);
    } else {
        e.BlocNoms(s.Equipes);
        e.BlocNoms(s.Nationales);
    }
}

void ClubsPrec(EcrivainAncien& e, const SaisonAncienne& s, int version)
{
    e.Mot(static_cast<int>(s.ClubsPrec.size()));
    if (version >= 7) {
        for (const auto& n : s.ClubsPrec)
            e.Texte(n);
    } else if (!s.ClubsPrec.empty()) {
        e.ListeNoms(s.ClubsPrec);
    }
}

void Treize(EcrivainAncien& e, const SaisonAncienne& s)
{
    e.Long(static_cast<int32_t>(s.Entraineurs.size()));
    for (const auto& p : s.Entraineurs) {
        e.Texte(p.Nom);
        e.Texte(p.Prenom);
        e.Mot(p.Age);
        e.Mot(p.Pays);
        e.Mot(p.Numero);
        e.Mot(p.ClubActuel);
        e.Mot(p.ClubPrec);
    }
    e.Long(static_cast<int32_t>(s.Stades.size()));
    for (const auto& st : s.Stades) {
        e.Texte(st.Nom);
        e.Texte(st.Ville);
        e.Long(st.Capacite);
        e.Mot(st.Construction);
        e.Texte(st.Remarque);
        e.Texte(st.Record);
        e.Mot(st.Code);
        e.Mot(st.Pays);
    }
    e.Long(static_cast<int32_t>(s.Rens.size()));
    for (const auto& r : s.Rens) {
        e.Long(r.Club);
        e.Texte(r.Creation);
        e.Texte(r.Maillot);
        e.Texte(r.Rechange);
        e.Texte(r.Palmares);
        e.Texte(r.Site);
        e.Long(r.Budget);
        e.Texte(r.Remarque);
        e.Texte(r.President);
        e.Mot(r.Stade);
        e.Mot(r.Entraineur);
        e.Mot(r.Code);
    }
}

void FicheJoueur(EcrivainAncien& e, const Format& f, const JoueurAncien& j, bool ancien)
{
    e.Mot(j.Age << 8 | j.Duree);
    Date(e, f, j.Contrat, j.Club);
    if (f.Version >= 12) {
        e.Mot(j.Nationale);
        e.Octet(j.MaillotNational);
    }
    if (ancien && f.Version < 5) {
        const std::array<int, 3> h = j.Histoire.empty() ? std::array<int, 3>{1, 0, 0} : j.Histoire[0];
        e.Mot(h[1]);
        e.Mot(h[2]);
    } else {
        e.Octet(static_cast<int>(j.Histoire.size()));
        for (const auto& h : j.Histoire) {
            e.Mot(h[0]);
            e.Mot(h[1]);
            e.Mot(h[2]);
        }
    }
    e.Mot(j.Maillot << 8 | static_cast<uint8_t>(j.Lettre));
}

// `numeros`: the ids follow each player (any mode but the data files' 1).
void Joueurs(EcrivainAncien& e, const Format& f, const SaisonAncienne& s, bool numeros, bool recent)
{
    if (recent) {
        e.Long(static_cast<int32_t>(s.Joueurs.size()));
        for (const auto& j : s.Joueurs) {
            e.Texte(j.Nom);
            e.Texte(j.Prenom);
            FicheJoueur(e, f, j, false);
            e.Mot(j.ClubPrec);
            e.Mot(j.Pays);
            if (numeros)
                EntierMots(e, f, j.Numero);
        }
        return;
    }
    std::vector<std::string> noms, prenoms;
    for (const auto& j : s.Joueurs) {
        noms.push_back(j.Nom);
        prenoms.push_back(j.Prenom);
    }
    e.ListeNoms(noms);
    if (!noms.empty())
        e.ListeNoms(prenoms);
    for (const auto& j : s.Joueurs) {
        FicheJoueur(e, f, j, true);
        e.Mot(j.ClubPrec);
        if (numeros)
            EntierMots(e, f, j.Numero);
    }
}

void ArbitresPays(EcrivainAncien& e, const SaisonAncienne& s)
{
    e.Long(static_cast<int32_t>(s.Arbitres.size()));
    for (const auto& p : s.Arbitres) {
        e.Texte(p.Nom);
        e.Texte(p.Prenom);
        e.Mot(p.Pays);
        e.Mot(p.Numero);
    }
    e.Mot(static_cast<int>(s.Pays.size()));
    for (const auto& p : s.Pays)
        e.Texte(p);
}

void Groupes(EcrivainAncien& e, const SaisonAncienne& s)
{
    e.Mot(static_cast<int>(s.Groupes.size()));
    for (const auto& g : s.Groupes)
        e.Texte(g, 255);
}

void Genre(EcrivainAncien& e, const ChampAncien& c)
{
    e.Mot(c.Drapeaux);
    if (c.Drapeaux & 2) {
        e.Mot(static_cast<int>(c.Tours.size()));
        for (const auto& t : c.Tours) {
            e.Octet(t.nTour);
            e.Octet(t.Type);
            e.Mot(t.NbMatch);
        }
    }
}

void BlocsCompo(EcrivainAncien& e, const ChampAncien& c, int version, int jours)
{
    for (int d = 0; d < jours; ++d) {
        static const std::vector<CompoAncienne> aucune;
        const auto& compos = d < NbJourEcrit(c) ? c.Jours[d].Compos : aucune;
        if (version < 4) {
            for (size_t p = 0; p < c.Equipes.size(); ++p) {
                auto it = std::find_if(compos.begin(), compos.end(),
                                       [p](const CompoAncienne& x) { return x.Position == static_cast<int>(p); });
                for (int i = 0; i < 20; ++i)
                    e.Mot(it == compos.end() ? 0 : it->Mots[i]);
            }
        } else {
            e.Octet(static_cast<int>(compos.size()));
            for (const auto& x : compos) {
                e.Octet(x.Position);
                for (int m : x.Mots)
                    e.Mot(m);
            }
        }
    }
}

void Evenements(EcrivainAncien& e, const Format& f, const ChampAncien& c, int liste)
{
    for (const auto& j : c.Jours) {
        const auto& evts = liste == 0 ? j.Buteurs : liste == 1 ? j.Cartons : j.Passeurs;
        for (const auto& x : evts) {
            if (liste == 2) {
                Id(e, f, x.Equipe);
            } else {
                if (liste == 0 && f.Version >= 7)
                    e.Grand(static_cast<uint32_t>(x.Mot), 2);
                else
                    e.Octet(x.Mot);
                if (f.Saison && f.Version >= 4) {
                    e.Grand(static_cast<uint32_t>(x.Equipe), 2);
                } else {
                    e.Octet(x.Equipe);
                }
            }
            Entier(e, f, x.Joueur);
        }
        e.Octet(255);
    }
}

void Corps(EcrivainAncien& e, const Format& f, const ChampAncien& c)
{
    const int v = f.Version;
    for (uint8_t o : c.Options)
        e.Octet(o);
    e.Octet(c.NbJournee);
    e.Octet(c.Division);
    if (v >= 13)
        e.Mot(c.CodePerso);
    for (const auto& j : c.Jours)
        for (const auto& m : j.Matchs) {
            if (v >= 4) {
                e.Mot(m.Dom);
                e.Octet(m.Score1);
                e.Mot(m.Ext);
                e.Octet(m.Score2);
            } else {
                e.Octet(m.Dom);
                e.Octet(m.Score1);
                e.Octet(m.Ext);
                e.Octet(m.Score2);
            }
        }
    if (v < 12)
        e.Octet(0);
    for (const auto& j : c.Jours)
        for (const auto& m : j.Matchs)
            e.Grand(static_cast<uint32_t>(m.Affluence), v < 7 ? 2 : 3);
    if (v >= 8)
        for (const auto& j : c.Jours)
            for (const auto& m : j.Matchs)
                e.Mot(m.Arbitre);
    const int saisie = c.Options[11];
    if (v >= 13) {
        for (const auto& j : c.Jours)
            for (const auto& m : j.Matchs)
                e.Mot(m.Stade);
        if (saisie & 4)
            for (const auto& j : c.Jours)
                for (const auto& m : j.Matchs)
                    e.Long(static_cast<int32_t>(m.Date));
    }
    if ((saisie & 1) || (v < 13 && saisie != 0))
        for (const auto& j : c.Jours)
            e.Long(static_cast<int32_t>(j.Date));
    for (int liste = 0; liste < (v >= 7 ? 3 : 2); ++liste)
        Evenements(e, f, c, liste);
    if (v >= 7) {
        for (const auto& j : c.Jours) {
            e.Octet(static_cast<int>(j.Commentaires.size()));
            for (const auto& x : j.Commentaires) {
                e.Mot(x.Id1);
                e.Mot(x.Id2);
                e.Texte(x.Texte);
            }
        }
        for (const auto& j : c.Jours) {
            e.Octet(static_cast<int>(j.Compos.size()));
            for (const auto& x : j.Compos) {
                e.Octet(x.Position);
                for (int m : x.Mots)
                    e.Mot(m);
            }
        }
        for (const auto& j : c.Jours) {
            e.Octet(static_cast<int>(j.Notes.size()));
            for (const auto& x : j.Notes) {
                e.Octet(x.Position);
                for (int n : x.Notes)
                    e.Mot(n);
            }
        }
    }
    if (v >= 4 && (c.Drapeaux & 2))
        for (const auto& j : c.Jours) {
            for (const auto& t : j.Tirs) {
                e.Octet(t.Buts1);
                e.Octet(t.Buts2);
                e.Mot(t.Equipe1);
                e.Mot(t.Equipe2);
            }
            e.Octet(255);
        }
    if (v >= 9) {
        e.Mot(static_cast<int>(c.Ajustements.size()));
        for (const auto& a : c.Ajustements) {
            e.Mot(a.Equipe1);
            e.Mot(a.Equipe2);
            e.Octet(a.Valeur1);
            e.Octet(a.Valeur2);
            e.Octet(a.Journee);
            e.Octet(0);
        }
    }
}

int JoursImplicites(int n)
{
    return n <= 0 ? 0 : 4 * ((n - 1) / 2) + 2;
}

// The header of the championship and data files up to the team names;
// returns where the offsets stand.
struct Places {
    size_t Corps = 0, Clubs = 0, Joueurs = 0;
};

Places EnteteFichier(EcrivainAncien& e, const SaisonAncienne& s, int version, bool championnat, int& jours)
{
    const ChampAncien& c = s.Championnats.at(0);
    Places p;
    e.Version(version);
    if (championnat) {
        p.Corps = e.Position();
        e.Mot(0);
    }
    p.Clubs = e.Position();
    e.Mot(0);
    p.Joueurs = e.Position();
    e.Mot(0);
    e.Mot(0);
    e.Mot(static_cast<int>(c.Equipes.size()));
    if (version >= 4) {
        Genre(e, c);
        jours = c.NbJour;
        e.Octet(c.NbJour);
        if (!(c.Drapeaux & 2))
            e.Octet(c.NbMatch);
        else
            e.Octet(0);
    } else {
        jours = JoursImplicites(static_cast<int>(c.Equipes.size()));
    }
    if (version >= 7) {
        e.Mot(static_cast<int>(s.Equipes.size()));
        for (const auto& n : s.Equipes)
            e.Texte(n);
    } else {
        e.BlocNoms(s.Equipes);
    }
    return p;
}

// Former clubs, people and statistics groups of the championship and data files.
void SuiteFichier(EcrivainAncien& e, const Format& f, const SaisonAncienne& s, const Places& p, bool numeros)
{
    if (!s.ClubsPrec.empty()) {
        Aligne(e);
        e.PatchMot(p.Clubs, static_cast<int>(e.Position() / 2));
        ClubsPrec(e, s, f.Version);
    }
    if (f.Version >= 13)
        Treize(e, s);
    Aligne(e);
    e.PatchMot(p.Joueurs, static_cast<int>(e.Position() / 2));
    Joueurs(e, f, s, numeros, f.Version >= 7);
    if (f.Version >= 8)
        ArbitresPays(e, s);
    if (f.Version >= 5)
        Groupes(e, s);
}

} // namespace

std::vector<uint8_t> EcritSaison(const SaisonAncienne& s, int version)
{
    const Format f{version, true};
    EcrivainAncien e;
    e.Version(version);
    e.Mot(static_cast<int>(s.Championnats.size()));
    const size_t table = e.Position();
    for (size_t i = 0; i < s.Championnats.size(); ++i)
        for (int k = 0; k < 8; ++k)
            e.Octet(0);
    Equipes(e, s, version);
    ClubsPrec(e, s, version);
    if (version >= 13)
        Treize(e, s);
    Joueurs(e, f, s, true, version >= 7);
    if (version >= 8)
        ArbitresPays(e, s);
    if (version >= 5)
        Groupes(e, s);
    if (version >= 4) {
        for (const auto& [w, texte] : s.Desc) {
            e.Mot(w);
            e.Texte(texte, 255);
        }
        e.Mot(0xFFFE);
        Aligne(e);
    }
    for (const auto& c : s.Championnats) {
        int jours = JoursImplicites(static_cast<int>(c.Equipes.size()));
        if (version >= 4) {
            e.Mot(c.Code);
            Genre(e, c);
        }
        e.Mot(static_cast<int>(c.Equipes.size()));
        if (version >= 4) {
            jours = c.NbJour;
            e.Octet(c.NbJour);
            e.Octet(c.NbMatch);
        }
        for (int id : c.Equipes)
            e.Mot(id);
        if (version < 7)
            BlocsCompo(e, c, version, jours);
    }
    if (version >= 4) {
        e.Mot(static_cast<int>(s.Barrages.size()));
        for (const auto& b : s.Barrages) {
            e.Mot(b.Code);
            e.Mot(b.TypeGroupe);
            e.Mot(static_cast<int>(b.Divisions.size()));
            for (const auto& [code, places] : b.Divisions) {
                e.Mot(code);
                e.Mot(static_cast<int>(places.size()));
                for (const auto& pl : places) {
                    e.Mot(pl.Min);
                    e.Mot(pl.Max);
                }
            }
            if (version >= 10) {
                e.Mot(static_cast<int>(b.Tours.size()));
                for (const auto& t : b.Tours) {
                    e.Mot(static_cast<int>(t.Appariements.size()));
                    e.Mot(t.NbMatch);
                    e.Mot(t.Type);
                    for (const auto& a : t.Appariements)
                        for (int x : a)
                            e.Mot(x);
                }
                for (uint8_t o : b.Options)
                    e.Octet(o);
            }
        }
    }
    for (size_t i = 0; i < s.Championnats.size(); ++i) {
        e.PatchGrand(table + 8 * i + 3, static_cast<uint32_t>(e.Position()), 4);
        Corps(e, f, s.Championnats[i]);
    }
    return e.bytes;
}

std::vector<uint8_t> EcritChampionnat(const SaisonAncienne& s, int version)
{
    const Format f{version, false};
    EcrivainAncien e;
    int jours = 0;
    const Places p = EnteteFichier(e, s, version, true, jours);
    SuiteFichier(e, f, s, p, true);
    if (version < 7)
        BlocsCompo(e, s.Championnats.at(0), version, jours);
    e.PatchMot(p.Corps, static_cast<int>(e.Position()));
    Corps(e, f, s.Championnats.at(0));
    return e.bytes;
}

std::vector<uint8_t> EcritData(const SaisonAncienne& s, int version)
{
    const Format f{version, false};
    EcrivainAncien e;
    int jours = 0;
    const Places p = EnteteFichier(e, s, version, false, jours);
    SuiteFichier(e, f, s, p, false);
    e.Mot(s.Annees);
    return e.bytes;
}

std::vector<uint8_t> EcritFichierEquipe(const SaisonAncienne& s, int version)
{
    const Format f{version, false};
    EcrivainAncien e;
    e.Version(version);
    const size_t clubs = e.Position();
    e.Mot(0);
    const size_t joueurs = e.Position();
    e.Mot(0);
    e.Mot(static_cast<int>(s.Equipes.size()));
    for (const auto& n : s.Equipes)
        e.Texte(n);
    if (!s.ClubsPrec.empty()) {
        Aligne(e);
        e.PatchMot(clubs, static_cast<int>(e.Position() / 2));
        ClubsPrec(e, s, version);
    }
    if (version >= 13)
        Treize(e, s);
    Aligne(e);
    e.PatchMot(joueurs, static_cast<int>(e.Position() / 2));
    Joueurs(e, f, s, false, true);
    ArbitresPays(e, s);
    Groupes(e, s);
    return e.bytes;
}

} // namespace testsupport

namespace testsupport {

SaisonAncienne ExempleSaison(int version)
{
    const bool recent = version >= 7;
    auto nom = [recent](const std::string& r, const std::string& a) { return recent ? r : a; };
    SaisonAncienne s;
    s.Equipes = {nom("Lyon", "LYON"), nom("Nantes", "NANTES"), nom("Évian", "EVIAN"), nom("Metz", "METZ")};
    if (version < 4)
        s.Nationales = {"FRANCE"};
    s.ClubsPrec = {nom("Ajax", "AJAX"), nom("Porto", "PORTO")};
    if (version >= 13) {
        s.Entraineurs = {{"Blanc", "Laurent", 50, 0, 1, 0, 65535}};
        s.Stades = {{"Gerland", "Lyon", 40000, 1926, "Vieux", "45000", 3, 0}};
        s.Rens = {{0, "1950", "Rouge", "Blanc", "Sept titres", "www.lyon.fr", 1000, "Note", "Aulas", 3, 1, 0}};
    }
    JoueurAncien dupont{
        nom("Dupont", "DUPONT"), nom("Jean", "JEAN"), 25, 2, 3, 0, 65535, 0, {{1, 30, 5}}, 'A', 9, 1, 0, 7};
    JoueurAncien martin{
        nom("Martin", "MARTIN"), nom("Paul", "PAUL"), 30, 1, 1, 120, 200, 4, {{1, 12, 0}}, 'G', 1, 0, 1, 8};
    JoueurAncien bernard{nom("Bernard", "BERNARD"), nom("Luc", "LUC"), 21, 3, 4, 1, 65535, 0, {}, 'D', 4, 0, 0, 9};
    JoueurAncien double_ = dupont;
    double_.Numero = 10;
    s.Joueurs = {dupont, martin, bernard, double_};
    if (version >= 8) {
        s.Arbitres = {{"Collina", "Pierluigi", 0, 1, 4}};
        s.Pays = {"France", "Italie"};
    }
    if (version >= 5)
        s.Groupes = {"Ligue 1"};
    if (version >= 4)
        s.Desc = {{1 * 16 + 0, "Saison 2007"}, {2 * 16 + 1, "France"}};

    ChampAncien ligue;
    ligue.Code = 5;
    ligue.Drapeaux = 1;
    ligue.Equipes = {0, 1, 2, 3};
    ligue.NbJour = 6;
    ligue.NbMatch = 2;
    ligue.Options[8] = 107;
    ligue.Options[9] = 8;
    ligue.Options[11] = 1;
    ligue.NbJournee = 2;
    ligue.Division = 12;
    ligue.CodePerso = 77;
    ligue.Jours.resize(6);
    const uint32_t aout15 = 15 | 8 << 8 | 20 << 16 | 7u << 24;
    auto& j1 = ligue.Jours[0];
    j1.Matchs = {{0, 2, 1, 1, 12345, 4, 3, aout15}, {2, 0, 3, 0, 800, 0, 65535, 0}};
    j1.Date = aout15;
    j1.Buteurs = {{recent ? 0x100 | 23 : 23, 0, 7}, {50, 0, 0}, {60, 1, 10}};
    j1.Cartons = {{0x80 | 60, 1, 8}};
    j1.Passeurs = {{0, 0, 9}};
    j1.Commentaires = {{0, 1, "Très beau match"}};
    CompoAncienne compo;
    compo.Position = 0;
    compo.Mots = {7, 9, 10};
    compo.Mots[19] = 300;
    j1.Compos = {compo};
    NotesAnciennes notes;
    notes.Position = 1;
    notes.Notes = {6, 7};
    notes.Notes[14] = 1;
    j1.Notes = {notes};
    ligue.Jours[1].Matchs = {{1, 255, 2, 255, 500}, {3, 1, 0, 3, 500}};
    for (int d = 2; d < 6; ++d)
        ligue.Jours[d].Matchs = {{0, 255, 3, 255}, {1, 255, 2, 255}};
    if (version >= 9)
        ligue.Ajustements = {{2, 0, 3, 0, 0}};
    s.Championnats.push_back(ligue);

    if (version >= 4) {
        ChampAncien coupe;
        coupe.Code = 6;
        coupe.Drapeaux = 2 | 8;
        coupe.Equipes = {0, 1};
        coupe.NbJour = 1;
        coupe.Tours = {{1, 1, 1}};
        coupe.Jours.resize(1);
        coupe.Jours[0].Matchs = {{0, 1, 1, 1, 2000}};
        coupe.Jours[0].Tirs = {{5, 4, 0, 1}};
        s.Championnats.push_back(coupe);

        BarrageAncien barrage;
        barrage.Code = 3;
        barrage.TypeGroupe = 1;
        barrage.Divisions = {{12, {{17, 18}}}};
        if (version >= 10) {
            barrage.Tours = {{1, 2, {{0, 1, 0, 0}}}};
            barrage.Options[0] = 1;
        }
        s.Barrages = {barrage};
    }
    s.Annees = 107 << 8 | 8;
    return s;
}

} // namespace testsupport
