// The "Championnat" element of the season document.

#include <algorithm>
#include <charconv>
#include <optional>

#include "model/ChampionnatXml.h"
#include "model/ClubStade.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"

namespace {
std::string TexteDate(TDateMatch d)
{
    return std::to_string(JourDateMatch(d)) + "/" + std::to_string(MoisDateMatch(d)) + "/" +
           std::to_string(AnneeDateMatch(d));
}

int Entier(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() ? v : 0;
}

// A whole number, blanks around it allowed.
std::optional<int> EntierStrict(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || v < 0)
        return std::nullopt;
    return v;
}

// day/month/year as TexteDate writes it; nothing when the text is not three
// numbers or has no day, which no date written here has.
std::optional<TDateMatch> LitDate(std::string_view texte)
{
    const std::size_t a = texte.find('/');
    const std::size_t b = a == std::string_view::npos ? a : texte.find('/', a + 1);
    if (b == std::string_view::npos)
        return std::nullopt;
    const auto jour = EntierStrict(texte.substr(0, a));
    const auto mois = EntierStrict(texte.substr(a + 1, b - a - 1));
    const auto annee = EntierStrict(texte.substr(b + 1));
    if (!jour || !mois || !annee || *jour == 0 || *jour > 255 || *mois > 255)
        return std::nullopt;
    return EncodeDateMatch(*jour, *mois, *annee);
}

bool Fin(int genre)
{
    return FinXml(genre);
}
} // namespace

// --- Writing ---

void TDonneesChampionnat::EcritEvenementsXml(TXmlWriter& xml, const char* nom, const TListeDonnees* liste,
                                             const TInfoComp& m, uint16_t masque, uint16_t valeur,
                                             bool minuteSeule) const
{
    if (!liste)
        return;
    for (int cote = 0; cote < 2; ++cote)
        for (int i = 0; i < liste->Nombre(); ++i) {
            const TDonneesEvt* e = liste->Get(i);
            if (e->GetEquipe() != m.GetEquipe(cote) || (e->GetMot() & masque) != valeur)
                continue;
            xml.OuvreElement(nom);
            xml.AjouteAttributInt("Equipe", cote + 1);
            xml.EcritElementInt("Joueur", e->GetJoueur());
            if (e->GetMot() != 0)
                xml.EcritElementInt("Minute", minuteSeule ? e->GetMinute() : e->GetMot());
            xml.FermeElement(nom);
        }
}

void TDonneesChampionnat::EcritCompoXml(TXmlWriter& xml, const TInfoComp& m, int cote,
                                        const std::vector<bool>& joueurs) const
{
    auto connu = [&](uint16_t id) { return id != 0 && id < joueurs.size() && joueurs[id]; };
    xml.OuvreElement("Compo");
    xml.AjouteAttributInt("Equipe", cote + 1);
    for (int i = 1; i <= 11; ++i) {
        const uint16_t id = m.GetCompoCote(cote, i);
        if (id == 0)
            continue;
        xml.OuvreElement("Tit");
        if (connu(id))
            xml.AjouteAttributInt("ID", id);
        if (m.GetNoteCote(cote, i) != 255)
            xml.AjouteAttributInt("Note", m.GetNoteCote(cote, i));
        xml.FermeElement("Tit");
    }
    for (int k = 1; k <= 3; ++k) {
        const uint16_t entrant = m.GetCompoCote(cote, 11 + 2 * k);
        if (!connu(entrant))
            continue;
        xml.OuvreElement("Rempl");
        xml.AjouteAttributInt("ID", entrant);
        xml.AjouteAttributInt("IdRemp", m.GetCompoCote(cote, 10 + 2 * k));
        if (m.GetNoteCote(cote, 11 + k) != 255)
            xml.EcritElementInt("Note", m.GetNoteCote(cote, 11 + k));
        xml.EcritElementInt("Minute", m.GetCompoCote(cote, 17 + k) & 0xFF);
        xml.FermeElement("Rempl");
    }
    xml.EcritElementInt("Capitaine", m.GetCompoCote(cote, 21));
    xml.FermeElement("Compo");
}

void TDonneesChampionnat::EcritMatchXml(TXmlWriter& xml, int n, const TInfoComp& m,
                                        const std::vector<bool>& joueurs) const
{
    const bool basket = EstBasket();
    xml.OuvreElement("Match");
    xml.EcritElementInt("e1", m.GetEquipe(0));
    xml.EcritElementInt("e2", m.GetEquipe(1));
    if (m.Joue()) {
        xml.EcritElementInt("s1", m.GetScore(0) & 0x7FFF);
        xml.EcritElementInt("s2", m.GetScore(1) & 0x7FFF);
        // Older readers skip it; without it a reload would forget who went through.
        if (m.GetScore(0) & 0x8000)
            xml.EcritElementInt("Qualifie", 1);
        else if (m.GetScore(1) & 0x8000)
            xml.EcritElementInt("Qualifie", 2);
        if (m.GetAffluence() > 0)
            xml.EcritElementInt("Affluence", m.GetAffluence());
    }
    if (basket)
        for (int cote = 0; cote < 2; ++cote) {
            const char* nom = cote == 0 ? "ScorePeriode1" : "ScorePeriode2";
            xml.OuvreElement(nom);
            for (int p = 1; p <= 6; ++p)
                xml.EcritElementInt("ItemPeriode", m.GetScorePeriode(cote, p));
            xml.FermeElement(nom);
        }
    xml.EcritElement("Comment", m.GetComment());
    xml.EcritElementInt("NoteMatch", m.GetNoteMatch());
    // Slots keep their places: an empty slot before a filled one is written as -1.
    int dernier = 0;
    for (int a = 1; a <= 3; ++a)
        if (m.GetArbitre(a) > 0)
            dernier = a;
    for (int a = 1; a <= dernier; ++a) {
        const bool present = m.GetArbitre(a) > 0;
        xml.EcritElementInt("Arbitre", present ? m.GetArbitre(a) : -1);
        xml.EcritElementInt("NoteArbitre", present ? m.GetNoteArbitreN(a) : 0);
    }
    if (m.GetStade() != TInfoComp::Aucun)
        xml.EcritElementInt("Stade", m.GetStade());
    if (JourDateMatch(m.GetDate()) != 0)
        xml.EcritElement("DateMatch", TexteDate(m.GetDate()));
    EcritMatchExtraXml(xml, n, m);
    if (basket) {
        EcritEvenementsSportXml(xml, n, m);
    } else {
        if (m.Joue()) {
            EcritEvenementsXml(xml, "Buteur", GetButeursJournee(n), m, 0, 0, false);
            EcritEvenementsXml(xml, "Averti", GetCartonsJournee(n), m, Evt::ContreCamp, 0, false);
            EcritEvenementsXml(xml, "Exclus", GetCartonsJournee(n), m, Evt::ContreCamp, Evt::ContreCamp, true);
            EcritEvenementsSportXml(xml, n, m);
        }
        for (int cote = 0; cote < 2; ++cote)
            if (m.GetCompoCote(cote, 20) >> 8)
                EcritCompoXml(xml, m, cote, joueurs);
    }
    if (m.Joue() && EstCoupe())
        if (const TPenaltys* p = CherchePenaltys(n, m.GetEquipe(0), m.GetEquipe(1))) {
            xml.OuvreElement("Penalty");
            xml.EcritElementInt("s1", p->But1);
            xml.EcritElementInt("s2", p->But2);
            xml.FermeElement("Penalty");
        }
    xml.FermeElement("Match");
}

std::vector<bool> TDonneesChampionnat::JoueursConnus(const TContexteSaison* saison)
{
    std::vector<bool> ids;
    if (const TJoueurs* joueurs = saison ? saison->GetJoueurs() : nullptr)
        for (int i = 0; i < joueurs->Nombre(); ++i) {
            const int id = joueurs->Get(i)->Numero;
            if (id <= 0 || id > 65535)
                continue;
            if (ids.size() <= static_cast<std::size_t>(id))
                ids.resize(static_cast<std::size_t>(id) + 1);
            ids[static_cast<std::size_t>(id)] = true;
        }
    return ids;
}

void TDonneesChampionnat::SaveToXml(TXmlWriter& xml) const
{
    SaveToXml(xml, JoueursConnus(Saison));
}

void TDonneesChampionnat::SaveToXml(TXmlWriter& xml, const std::vector<bool>& joueurs) const
{
    xml.OuvreElement("Championnat");
    xml.EcritElementInt("CodeChamp", CodeChamp);
    xml.OuvreElement("Type");
    if (Genre & TypeChamp)
        xml.AjouteAttribut("TypeChamp", "1");
    if (Genre & TypeCoupe)
        xml.AjouteAttribut("TypeCoupe", "1");
    if (Genre & TypeNational)
        xml.AjouteAttribut("TypeNational", "1");
    if (Genre & TypeInternational)
        xml.AjouteAttribut("TypeInternational", "1");
    xml.FermeElement("Type");
    if (EstCoupe()) {
        xml.OuvreElement("ToursCoupe");
        for (const TTourCoupeJour& t : ToursCoupe) {
            xml.OuvreElement("TourCoupe");
            xml.EcritElementInt("nTour", t.nTour);
            xml.EcritElementInt("TypeMatch", t.TypeMatch);
            xml.EcritElementInt("NbMatch", t.NbMatch);
            xml.FermeElement("TourCoupe");
        }
        xml.FermeElement("ToursCoupe");
        xml.OuvreElement("MatchsSuiv");
        for (int e : MatchsSuiv)
            xml.EcritElementInt("Match", e);
        xml.FermeElement("MatchsSuiv");
    }
    xml.EcritElementInt("NbEquipe", NbEquipe);
    xml.EcritElementInt("NbJour", NbJour);
    xml.EcritElementInt("NbMatch", NbMatch);
    std::string conversion;
    for (std::size_t p = 0; p < Equipes.size(); ++p)
        conversion += (p ? "-" : "") + std::to_string(Equipes[p]);
    xml.EcritElement("Conversion", conversion);
    xml.OuvreElement("Options");
    for (uint8_t o : Options)
        xml.EcritElementInt("Option", o);
    xml.EcritElementInt("BonusBut", BonusBut);
    xml.EcritElementInt("PointBonusBut", PointBonusBut);
    xml.EcritElementInt("BonusEcart", BonusEcart);
    xml.EcritElementBool("PetiteFinale", PetiteFinale);
    xml.FermeElement("Options");
    for (const auto& g : Groupes) {
        xml.OuvreElement("GroupeEquipe");
        xml.AjouteAttribut("NomGroupe", g->NomGroupe);
        for (int i = 0; i < g->NbEquipe(); ++i)
            xml.EcritElementInt("Equipe", g->GetEquipe(i));
        xml.FermeElement("GroupeEquipe");
    }
    xml.OuvreElement("OptionsArbitre");
    for (uint8_t o : OptionsArbitre)
        xml.EcritElementInt("Option", o);
    xml.FermeElement("OptionsArbitre");
    xml.EcritElementInt("NbJournee", NbJournee);
    xml.EcritElementInt("Division", Division);
    xml.EcritElementInt("CodePerso", CodePerso);
    xml.EcritElement("OrdreClassement", OrdreClassement);
    EcritOptionsSaisieXml(xml);
    for (int n = 1; n <= NbJour; ++n) {
        xml.OuvreElement("Journee");
        xml.AjouteAttributInt("Numero", n);
        if (JourDateMatch(GetDateJournee(n)) != 0)
            xml.AjouteAttribut("Date", TexteDate(GetDateJournee(n)));
        if (const TInfoCompJour* j = GetJournee(n))
            for (int i = 0; i < j->NbMatch(); ++i) {
                const TInfoComp* m = j->GetMatch(i);
                if (m->GetEquipe(0) != TInfoComp::Aucun && m->GetEquipe(1) != TInfoComp::Aucun)
                    EcritMatchXml(xml, n, *m, joueurs);
            }
        xml.FermeElement("Journee");
    }
    for (int i = 0; i < Penalites.Nombre(); ++i) {
        const TPenalite* p = Penalites.Get(i);
        xml.OuvreElement("Penalite");
        xml.EcritElementInt("e1", p->Equipe1);
        xml.EcritElementInt("e2", p->Equipe2);
        xml.EcritElementInt("s1", p->Valeur1);
        xml.EcritElementInt("s2", p->Valeur2);
        xml.EcritElementInt("Journee", p->Journee);
        xml.EcritElementInt("Type", p->Type);
        xml.FermeElement("Penalite");
    }
    xml.FermeElement("Championnat");
}

// --- Reading ---

void TDonneesChampionnat::LitEvenementXml(TXmlReader& xml, int genre, TListeDonnees* liste, const TInfoComp& m,
                                          uint16_t drapeau)
{
    const int cote = xml.GetAttribut("Equipe") == "2" ? 1 : 0;
    bool avecJoueur = false;
    int joueur = 0, minute = 0;
    if (genre == XML_OUVRANT)
        for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
            if (xml.GetNomVue() == "Joueur") {
                joueur = xml.GetTexteInt();
                avecJoueur = true;
            } else if (xml.GetNomVue() == "Minute") {
                minute = xml.GetTexteInt();
            } else {
                xml.SauteElement(g);
            }
        }
    if (avecJoueur && liste)
        liste->Ajoute(
            std::make_unique<TDonneesEvt>(joueur, m.GetEquipe(cote), static_cast<uint16_t>(minute + drapeau)));
}

void TDonneesChampionnat::LitCompoXml(TXmlReader& xml, TInfoComp& m, int genre)
{
    const int cote = xml.GetAttribut("Equipe") == "2" ? 1 : 0;
    if (genre != XML_OUVRANT)
        return;
    int titulaire = 0, remplacant = 0;
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        const std::string_view nom = xml.GetNomVue();
        if (nom == "Tit") {
            ++titulaire;
            const std::string note = xml.GetAttribut("Note");
            if (titulaire <= 11) {
                m.SetCompoCote(cote, titulaire, static_cast<uint16_t>(Entier(xml.GetAttribut("ID"))));
                if (!note.empty() && Entier(note) >= 0) {
                    m.SetNoteCote(cote, titulaire, static_cast<uint8_t>(Entier(note)));
                    m.SetNoteCote(cote, 15, 1);
                }
            }
            xml.SauteElement(g);
        } else if (nom == "Rempl") {
            const int k = ++remplacant;
            if (k <= 3) {
                m.SetCompoCote(cote, 11 + 2 * k, static_cast<uint16_t>(Entier(xml.GetAttribut("ID"))));
                m.SetCompoCote(cote, 10 + 2 * k, static_cast<uint16_t>(Entier(xml.GetAttribut("IdRemp"))));
                m.SetCompoCote(cote, 17 + k, 0);
            }
            if (g == XML_OUVRANT)
                for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                    if (k <= 3 && xml.GetNom() == "Minute") {
                        m.SetCompoCote(cote, 17 + k, static_cast<uint16_t>(xml.GetTexteInt()));
                    } else if (k <= 3 && xml.GetNom() == "Note") {
                        m.SetNoteCote(cote, 11 + k, static_cast<uint8_t>(xml.GetTexteInt()));
                        m.SetNoteCote(cote, 15, 1);
                    } else {
                        xml.SauteElement(h);
                    }
                }
        } else if (nom == "Capitaine") {
            m.SetCompoCote(cote, 21, static_cast<uint16_t>(xml.GetTexteInt()));
        } else {
            xml.SauteElement(g);
        }
    }
    // Flags the line-up as entered.
    m.SetCompoCote(cote, 20, static_cast<uint16_t>(m.GetCompoCote(cote, 20) + 0xFF00));
}

void TDonneesChampionnat::LitMatchXml(TXmlReader& xml, int n)
{
    int e1 = -1, index = -1, arbitres = 0, notes = 0, qualifie = 0;
    TInfoComp* m = nullptr;
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        const std::string_view nom = xml.GetNomVue();
        if (nom == "e1") {
            e1 = xml.GetTexteInt();
            continue;
        }
        if (nom == "e2") {
            index =
                AjouteMatchDate(n, e1, xml.GetTexteInt(), GetDateJournee(n), -1, TInfoComp::Aucun, TInfoComp::Aucun);
            m = index >= 0 ? GetJournee(n)->GetMatch(index) : nullptr;
            continue;
        }
        if (!m) {
            xml.SauteElement(g);
            continue;
        }
        if (nom == "s1" || nom == "s2") {
            m->SetScore(nom == "s1" ? 0 : 1, static_cast<uint16_t>(xml.GetTexteInt()));
        } else if (nom == "Qualifie") {
            qualifie = xml.GetTexteInt();
        } else if (nom == "Affluence") {
            m->SetAffluence(xml.GetTexteInt());
        } else if (nom == "NoteMatch") {
            m->SetNoteMatch(static_cast<uint8_t>(xml.GetTexteInt()));
        } else if (nom == "Comment") {
            m->SetComment(xml.GetTexte());
        } else if (nom == "Arbitre") {
            // A referee the registry does not hold is dropped, but keeps its slot.
            const int id = xml.GetTexteInt();
            ++arbitres;
            if (arbitres <= 3 && (!Saison || id <= Saison->GetMaxIdArbitre()))
                m->SetArbitre(arbitres, id);
        } else if (nom == "NoteArbitre") {
            ++notes;
            m->SetNoteArbitreN(notes, static_cast<uint8_t>(xml.GetTexteInt()));
        } else if ((nom == "ScorePeriode1" || nom == "ScorePeriode2") && g == XML_OUVRANT) {
            const bool basket = EstBasket();
            const int cote = nom == "ScorePeriode1" ? 0 : 1;
            int p = 0;
            for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                if (xml.GetNom() == "ItemPeriode" && basket)
                    m->SetScorePeriode(cote, ++p, static_cast<uint8_t>(xml.GetTexteInt()));
                else
                    xml.SauteElement(h);
            }
        } else if (nom == "Stade") {
            const int code = xml.GetTexteInt();
            const TStades* stades = Saison ? Saison->GetStades() : nullptr;
            m->SetStade(stades && stades->ChercheCode(code) ? static_cast<uint16_t>(code) : TInfoComp::Aucun);
        } else if (nom == "DateMatch") {
            // A date that cannot be read leaves the match on its day's date,
            // where the next reading of the saved file would put it anyway.
            if (const auto date = LitDate(xml.GetTexte()))
                Calendrier.DeplaceMatchDate(m, *date);
        } else if (nom == "Buteur") {
            LitEvenementXml(xml, g, GetButeursJournee(n), *m, 0);
        } else if (nom == "Averti") {
            LitEvenementXml(xml, g, GetCartonsJournee(n), *m, 0);
        } else if (nom == "Exclus") {
            LitEvenementXml(xml, g, GetCartonsJournee(n), *m, Evt::ContreCamp);
        } else if (nom == "Compo") {
            LitCompoXml(xml, *m, g);
        } else if (nom == "Penalty" && g == XML_OUVRANT) {
            TPenaltys p{m->GetEquipe(0), m->GetEquipe(1), 0, 0};
            for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                if (xml.GetNom() == "s1")
                    p.But1 = static_cast<uint8_t>(xml.GetTexteInt());
                else if (xml.GetNom() == "s2")
                    p.But2 = static_cast<uint8_t>(xml.GetTexteInt());
                else
                    xml.SauteElement(h);
            }
            AjoutePenaltysRecord(n, p);
        } else if (!LitEvenementSportXml(xml, g, n, *m)) {
            xml.SauteElement(g);
        }
    }
    if (m && m->Joue() && (qualifie == 1 || qualifie == 2))
        SetQualifie(n, m->GetEquipe(0), m->GetEquipe(1), qualifie - 1);
}

bool TDonneesChampionnat::LoadFromXml(TXmlReader& xml)
{
    OrdreClassement = "ac";
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        const std::string nom = xml.GetNom();
        if (nom == "CodeChamp") {
            CodeChamp = xml.GetTexteInt();
        } else if (nom == "NbJournee") {
            NbJournee = static_cast<uint8_t>(xml.GetTexteInt());
        } else if (nom == "Division") {
            Division = xml.GetTexteInt();
        } else if (nom == "CodePerso") {
            CodePerso = static_cast<uint16_t>(xml.GetTexteInt());
        } else if (nom == "NbEquipe") {
            const int v = xml.GetTexteInt();
            if (v < 0 || v > MaxEquipes)
                return false;
            SetNbEquipe(v);
        } else if (nom == "NbJour") {
            const int v = xml.GetTexteInt();
            if (v < 0 || v > MaxJours)
                return false;
            SetNbJour(v);
        } else if (nom == "NbMatch") {
            const int v = xml.GetTexteInt();
            if (v < 0 || v > 255)
                return false;
            SetNbMatch(v);
        } else if (nom == "OrdreClassement") {
            if (const std::string o = xml.GetTexte(); !o.empty())
                OrdreClassement = o;
        } else if (nom == "Type") {
            Genre = xml.GetAttribut("TypeCoupe") == "1" ? TypeCoupe : TypeChamp;
            Genre |= xml.GetAttribut("TypeInternational") == "1" ? TypeInternational : TypeNational;
            xml.SauteElement(g);
        } else if (nom == "ToursCoupe" && g == XML_OUVRANT) {
            for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                if (xml.GetNom() != "TourCoupe" || h != XML_OUVRANT) {
                    xml.SauteElement(h);
                    continue;
                }
                TTourCoupeJour t;
                int numero = 0;
                for (int k = xml.LitNoeud(); !Fin(k); k = xml.LitNoeud()) {
                    if (xml.GetNom() == "nTour")
                        numero = xml.GetTexteInt();
                    else if (xml.GetNom() == "TypeMatch")
                        t.TypeMatch = static_cast<uint32_t>(xml.GetTexteInt());
                    else if (xml.GetNom() == "NbMatch")
                        t.NbMatch = static_cast<uint16_t>(xml.GetTexteInt());
                    else
                        xml.SauteElement(k);
                }
                t.nTour = static_cast<uint16_t>(numero);
                if (numero > 0)
                    AjouteTourCoupe(t);
            }
        } else if (nom == "MatchsSuiv" && g == XML_OUVRANT) {
            MatchsSuiv.clear();
            LitEnfantsInt(xml, g, "Match", [this](int v) { MatchsSuiv.push_back(v); });
        } else if (nom == "Conversion") {
            const std::string texte = xml.GetTexte();
            std::size_t debut = 0;
            for (int p = 0; debut <= texte.size(); ++p) {
                std::size_t fin = texte.find('-', debut);
                if (fin == std::string::npos)
                    fin = texte.size();
                SetEquipe(p, static_cast<uint16_t>(Entier(std::string_view(texte).substr(debut, fin - debut))));
                debut = fin + 1;
            }
        } else if (nom == "Options") {
            Options[16] = 4;
            Options[17] = 2;
            Options[18] = 2;
            int i = 0;
            if (g == XML_OUVRANT)
                for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                    const std::string& n = xml.GetNom();
                    if (n == "Option") {
                        Options[std::min(i++, NbOptions - 1)] = static_cast<uint8_t>(xml.GetTexteInt());
                    } else if (n == "BonusBut") {
                        BonusBut = xml.GetTexteInt();
                    } else if (n == "PointBonusBut") {
                        PointBonusBut = xml.GetTexteInt();
                    } else if (n == "BonusEcart") {
                        BonusEcart = xml.GetTexteInt();
                    } else if (n == "PetiteFinale") {
                        PetiteFinale = xml.GetTexteInt() == 1;
                    } else {
                        xml.SauteElement(h);
                    }
                }
        } else if (nom == "OptionsArbitre" && g == XML_OUVRANT) {
            int i = 0;
            LitEnfantsInt(xml, g, "Option", [&](int v) {
                OptionsArbitre[std::min(i++, NbOptionsArbitre - 1)] = static_cast<uint8_t>(v);
            });
        } else if (nom == "GroupeEquipe") {
            auto groupe = std::make_unique<TGroupeEquipe>(xml.GetAttribut("NomGroupe"));
            LitEnfantsInt(xml, g, "Equipe", [&](int v) { groupe->AjouteEquipe(v); });
            if (groupe->NbEquipe() > 0)
                AjouteGroupe(std::move(groupe));
        } else if (nom == "Journee") {
            const std::string numero = xml.GetAttribut("Numero");
            const int n = numero.empty() ? 1 : Entier(numero);
            if (n < 1 || n > MaxJours)
                return false;
            const std::string date = xml.GetAttribut("Date");
            SetDateJournee(n, LitDate(date).value_or(0));
            if (g == XML_OUVRANT)
                for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                    if (xml.GetNom() == "Match" && h == XML_OUVRANT)
                        LitMatchXml(xml, n);
                    else
                        xml.SauteElement(h);
                }
        } else if (nom == "Penalite") {
            TPenalite p;
            if (g == XML_OUVRANT)
                for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                    const std::string& n = xml.GetNom();
                    const int v = xml.GetTexteInt();
                    if (n == "e1")
                        p.Equipe1 = static_cast<uint16_t>(v);
                    else if (n == "e2")
                        p.Equipe2 = static_cast<uint16_t>(v);
                    else if (n == "s1")
                        p.Valeur1 = static_cast<uint8_t>(v);
                    else if (n == "s2")
                        p.Valeur2 = static_cast<uint8_t>(v);
                    else if (n == "Journee")
                        p.Journee = static_cast<uint8_t>(v);
                    else if (n == "Type")
                        p.Type = static_cast<uint8_t>(v);
                    else
                        xml.SauteElement(h);
                }
            // Written in list order, which is already by day: appending keeps it.
            Penalites.AjouteFin(p);
        } else if (!LitOptionsSaisieXml(xml, g)) {
            xml.SauteElement(g);
        }
    }
    JourneeJouee = 0;
    for (int n = 1; n <= NbJour; ++n)
        for (int code = 2; code <= 2 * NbEquipe; code += 2)
            if (GetValeurMatch(n, code) != TInfoComp::Aucun) {
                JourneeJouee = static_cast<uint8_t>(std::min(n, 255));
                break;
            }
    return true;
}
