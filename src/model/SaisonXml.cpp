// The season's own elements of the season document.

#include <cstdio>

#include "base/Texte.h"
#include "base/ioXml.h"
#include "model/LectureFeuilles.h"
#include "model/SaisonFoot.h"

namespace {
bool Fin(int genre)
{
    return genre == XML_FERMANT || genre == XML_FIN;
}

// Always "dd/mm/yyyy hh:nn:ss": the file must read back the same whatever
// the language the program runs in.
std::string TexteDateHeure(const TDateHeure& d)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%02d/%02d/%04d %02d:%02d:%02d", d.Jour % 100, d.Mois % 100, d.Annee % 10000,
                  d.Heure % 100, d.Minute % 100, d.Seconde % 100);
    return texte;
}

// False (and `d` untouched) for a text that is not such a moment.
bool LitDateHeure(const std::string& texte, TDateHeure& d)
{
    int jour = 0, mois = 0, annee = 0, heure = 0, minute = 0, seconde = 0;
    char fin = 0;
    const int lus =
        std::sscanf(texte.c_str(), "%d/%d/%d %d:%d:%d%c", &jour, &mois, &annee, &heure, &minute, &seconde, &fin);
    if (lus != 3 && lus != 5 && lus != 6)
        return false;
    if (mois < 1 || mois > 12 || jour < 1 || jour > 31 || annee < 1 || annee > 9999 || heure < 0 || heure > 23 ||
        minute < 0 || minute > 59 || seconde < 0 || seconde > 59)
        return false;
    d = {annee, mois, jour, heure, minute, seconde, 0};
    return true;
}

// "a-b-c-d": exactly four numbers.
bool LitQuatreMots(const std::string& texte, uint16_t (&mots)[4])
{
    int n = 0;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t tiret = texte.find('-', debut);
        int v = 0;
        if (!EssaieStrToInt(Trim(std::string_view(texte).substr(debut, tiret - debut)), v))
            return false;
        // Values past the fourth overwrite it, as the file format always had it.
        mots[std::min(n, 3)] = static_cast<uint16_t>(v);
        ++n;
        if (tiret == std::string::npos)
            break;
        debut = tiret + 1;
    }
    return n >= 4;
}
} // namespace

// --- Writing ---

void TSaison::EcritEquipesXml(TXmlWriter& xml, bool divisions) const
{
    xml.OuvreElement("Equipes");
    for (const TTexteObjet& e : m_Equipes) {
        const int id = e.Objet & 0xFFFF;
        xml.OuvreElement("Equipe");
        xml.EcritElementInt("ID", id);
        xml.EcritElement("Nom", e.Texte);
        xml.EcritElementInt("Logo", static_cast<uint32_t>(e.Objet) >> 16);
        if (divisions) {
            const std::vector<int> codes = ListeGroupesEquipe(id);
            if (codes.empty())
                xml.EcritElementInt("Division", 0);
            for (int c : codes)
                xml.EcritElementInt("Division", c);
        }
        xml.FermeElement("Equipe");
    }
    xml.FermeElement("Equipes");
}

void TSaison::EcritParamsChampXml(TXmlWriter& xml) const
{
    xml.OuvreElement("ParamsChamp");
    for (const auto& c : m_Championnats) {
        const TNomsChamp noms = GetNomsChamp(c->CodeChamp);
        xml.OuvreElement("ParamChamp");
        xml.EcritElementInt("ID", c->GetCode());
        xml.EcritElement("Nom", noms.Nom);
        xml.EcritElement("Pays", noms.Groupe);
        xml.EcritElementInt("Logo", 0);
        xml.EcritElementInt("Pointvict", c->GetOption(4));
        xml.EcritElementInt("Pointnul", c->GetOption(5));
        xml.EcritElementInt("Pointdef", c->GetOption(6));
        xml.EcritElementInt("TypeClassement", c->GetOption(0));
        xml.EcritElementInt("TypeCompet", (c->EstCoupe() ? 2 : 0) + (c->EstInternational() ? 1 : 0));
        xml.EcritElementInt("idgroupe", 0);
        xml.EcritElementInt("TerrainNeutre", c->GetOption(11) & 2);
        xml.FermeElement("ParamChamp");
    }
    xml.FermeElement("ParamsChamp");
}

void TSaison::EcritSaisonDataXml(TXmlWriter& xml, TProgression& progression) const
{
    progression.Fixe(5);
    xml.OuvreElement("SaisonData");
    m_Pays.SaveToXml(xml);
    progression.Avance(2);
    EcritEquipesXml(xml, false);
    progression.Avance(3);
    xml.OuvreElement("ClubPrec");
    for (int i = 0; i < NbClubPrec(); ++i) {
        xml.OuvreElement("Equipe");
        xml.EcritElementInt("ID", i);
        xml.EcritElement("Nom", m_ClubPrec[i]);
        xml.FermeElement("Equipe");
    }
    xml.FermeElement("ClubPrec");
    progression.Avance(5);
    m_Entraineurs.SaveToXml(xml, "Entraineurs", this);
    progression.Avance(10);
    m_Stades.SaveToXml(xml, this);
    progression.Avance(2);
    m_RensClubs.SaveToXml(xml, this);
    progression.Avance(2);
    m_Joueurs->SaveToXml(xml, this);
    progression.Avance(24);
    m_Arbitres.SaveToXml(xml, "Arbitres", this);
    progression.Avance(10);
    xml.OuvreElement("StatChamps");
    for (const TTexteObjet& s : m_StatChamps) {
        xml.OuvreElement("StatChampNom", s.Texte);
        xml.AjouteAttributInt("Id", s.Objet);
        xml.FermeElement("StatChampNom");
    }
    xml.FermeElement("StatChamps");
    progression.Avance(1);
    xml.OuvreElement("OptionsSauvegarde");
    xml.EcritElementInt("Option", m_OptionsSauvegarde[0]);
    xml.EcritElementInt("Option", m_OptionsSauvegarde[1]);
    xml.FermeElement("OptionsSauvegarde");
    xml.EcritElement("LastModif", TexteDateHeure(Horloge().Maintenant()));
    xml.FermeElement("SaisonData");
    progression.Avance(1);
}

void TSaison::EcritBarrageXml(TXmlWriter& xml, const TDonneesBarrage& barrage) const
{
    xml.OuvreElement("Barrage");
    xml.EcritElementInt("Code", barrage.Code);
    xml.EcritElementInt("TypeGroupe", barrage.TypeGroupe);
    if (barrage.MoitiePoint != 0)
        xml.EcritElementInt("MoitiePoint", barrage.MoitiePoint);
    for (int d = 0; d < barrage.NbDivision(); ++d) {
        const TDonneesBarrage::TDivision* division = barrage.GetDivision(d);
        xml.OuvreElement("ListDiv");
        xml.EcritElementInt("Division", division->Code);
        for (const TDonneesBarrage::TPlaces& p : division->Places) {
            xml.OuvreElement("ListPlace");
            xml.EcritElementInt("Min", p.Min);
            xml.EcritElementInt("Max", p.Max);
            xml.FermeElement("ListPlace");
        }
        xml.FermeElement("ListDiv");
    }
    for (int t = 1; t <= barrage.NbTour(); ++t) {
        const TTourCoupe* tour = barrage.GetTour(t);
        if (!tour)
            continue;
        xml.OuvreElement("TourCoupe");
        xml.EcritElementInt("nMatch", tour->GetNbRemplis());
        xml.EcritElementInt("nMatchTotal", tour->GetNbMatch());
        xml.EcritElementInt("nTypeTour", tour->GetType());
        // Only the pairings already drawn: the empty slots come back from nMatchTotal.
        for (int m = 0; m < tour->GetNbRemplis(); ++m) {
            const TTourCoupe::TAppariement& a = tour->GetMatchs()[m];
            xml.EcritElement("RencontreCoupe", std::to_string(a.Premier) + "-" + std::to_string(a.Second) + "-" +
                                                   std::to_string(a.Valeur3) + "-" + std::to_string(a.Valeur4));
        }
        xml.FermeElement("TourCoupe");
    }
    xml.OuvreElement("Options");
    for (int i = 0; i < TDonneesBarrage::NbOptions; ++i)
        xml.EcritElementInt("Option", barrage.GetOption(i));
    xml.FermeElement("Options");
    xml.FermeElement("Barrage");
}

void TSaison::EcritChampionnatsXml(TXmlWriter& xml, TProgression& progression) const
{
    progression.Fixe(65);
    xml.OuvreElement("Championnats");
    if (!m_Desc.empty()) {
        xml.OuvreElement("DescSaison");
        for (const TTexteObjet& d : m_Desc) {
            xml.OuvreElement("Desc");
            xml.EcritElementInt("Level", d.Objet);
            xml.EcritElement("Valeur", d.Texte);
            xml.FermeElement("Desc");
        }
        xml.FermeElement("DescSaison");
    }
    progression.Avance(2);
    // Who is a player, looked up once for every line-up of every championship.
    const std::vector<bool> joueurs = TDonneesChampionnat::JoueursConnus(this);
    for (const auto& c : m_Championnats) {
        c->SaveToXml(xml, joueurs);
        progression.AvancePartage(20, NbChampionnat());
    }
    for (const auto& b : m_Barrages)
        EcritBarrageXml(xml, *b);
    xml.FermeElement("Championnats");
    progression.Fixe(90);
}

// --- Reading ---

void TSaison::LitEquipesXml(TXmlReader& xml)
{
    VideEquipes();
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        if (xml.GetNom() != "Equipe" || g != XML_OUVRANT) {
            xml.SauteElement(g);
            continue;
        }
        bool aId = false;
        int id = 0, logo = 0;
        std::string nom;
        for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
            if (xml.GetNom() == "ID") {
                aId = true;
                id = LitFeuilleEntier(xml, h);
            } else if (xml.GetNom() == "Nom") {
                nom = LitFeuilleTexte(xml, h);
            } else if (xml.GetNom() == "Logo") {
                logo = LitFeuilleEntier(xml, h);
            } else {
                xml.SauteElement(h);
            }
        }
        if (aId)
            AjouteEquipe(nom, id, false, logo);
    }
}

void TSaison::LitClubPrecXml(TXmlReader& xml)
{
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        if (xml.GetNom() != "Equipe" || g != XML_OUVRANT) {
            xml.SauteElement(g);
            continue;
        }
        bool aId = false;
        std::string nom;
        for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
            if (xml.GetNom() == "ID") {
                aId = true;
                xml.SauteElement(h);
            } else if (xml.GetNom() == "Nom") {
                nom = LitFeuilleTexte(xml, h);
            } else {
                xml.SauteElement(h);
            }
        }
        if (aId)
            AjouteClubPrec(nom);
    }
}

void TSaison::LitStatChampsXml(TXmlReader& xml)
{
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        if (xml.GetNom() == "StatChampNom")
            AjouteStatChamp(Trim(xml.GetTexte()), StrToIntDef(xml.GetAttribut("Id"), 0));
        xml.SauteElement(g);
    }
}

void TSaison::LitOptionsSauvegardeXml(TXmlReader& xml)
{
    int n = 0;
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        if (xml.GetNom() == "Option")
            m_OptionsSauvegarde[std::min(n++, 1)] = static_cast<uint8_t>(LitFeuilleEntier(xml, g));
        else
            xml.SauteElement(g);
    }
}

void TSaison::LitSaisonDataXml(TXmlReader& xml, int genre, TProgression& progression)
{
    m_DerniereModif = Horloge().Maintenant();
    if (genre != XML_OUVRANT)
        return;
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        const std::string nom = xml.GetNom();
        if (nom == "LastModif") {
            // An unreadable moment keeps the time of loading.
            LitDateHeure(Trim(LitFeuilleTexte(xml, g)), m_DerniereModif);
            continue;
        }
        // An empty list written as a self-closing element: nothing to read.
        if (g != XML_OUVRANT) {
            xml.SauteElement(g);
            continue;
        }
        TListeRenumerotation renum;
        if (nom == "ListePays") {
            m_Pays.LoadFromXml(xml);
            progression.Avance(2);
        } else if (nom == "Equipes") {
            LitEquipesXml(xml);
            progression.Avance(3);
        } else if (nom == "ClubPrec") {
            LitClubPrecXml(xml);
            progression.Avance(5);
        } else if (nom == "Entraineurs") {
            renum = m_Entraineurs.LoadFromXml(xml, "Entraineur", this);
            m_RenumEntraineursLus.insert(m_RenumEntraineursLus.end(), renum.begin(), renum.end());
            progression.Avance(10);
        } else if (nom == "Stades") {
            m_Stades.LoadFromXml(xml, this);
            progression.Avance(2);
        } else if (nom == "RensClubs") {
            m_RensClubs.LoadFromXml(xml, this);
            progression.Avance(2);
        } else if (nom == "Joueurs") {
            renum = m_Joueurs->LoadFromXml(xml, this);
            m_RenumJoueursLus.insert(m_RenumJoueursLus.end(), renum.begin(), renum.end());
            progression.Avance(26);
        } else if (nom == "Arbitres") {
            renum = m_Arbitres.LoadFromXml(xml, "Personnel", this);
            m_RenumArbitresLus.insert(m_RenumArbitresLus.end(), renum.begin(), renum.end());
            progression.Avance(10);
        } else if (nom == "StatChamps") {
            LitStatChampsXml(xml);
            progression.Avance(1);
        } else if (nom == "OptionsSauvegarde") {
            LitOptionsSauvegardeXml(xml);
            progression.Avance(1);
        } else {
            xml.SauteElement(g);
        }
    }
}

void TSaison::LitDescSaisonXml(TXmlReader& xml, int& nbNiveau3)
{
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        if (xml.GetNom() != "Desc" || g != XML_OUVRANT) {
            xml.SauteElement(g);
            continue;
        }
        int objet = 0;
        std::string texte;
        for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
            if (xml.GetNom() == "Level")
                objet = LitFeuilleEntier(xml, h);
            else if (xml.GetNom() == "Valeur")
                texte = LitFeuilleTexte(xml, h);
            else
                xml.SauteElement(h);
        }
        if (objet > 0) {
            m_Desc.push_back({texte, objet});
            if ((objet & 3) == 3)
                ++nbNiveau3;
        }
    }
}

std::unique_ptr<TDonneesBarrage> TSaison::LitBarrageXml(TXmlReader& xml, int genre) const
{
    auto barrage = std::make_unique<TDonneesBarrage>();
    if (genre != XML_OUVRANT)
        return barrage;
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        const std::string nom = xml.GetNom();
        if (nom == "Code") {
            barrage->Code = LitFeuilleEntier(xml, g);
        } else if (nom == "TypeGroupe") {
            barrage->TypeGroupe = LitFeuilleEntier(xml, g);
        } else if (nom == "MoitiePoint") {
            barrage->MoitiePoint = static_cast<uint16_t>(LitFeuilleEntier(xml, g));
        } else if (nom == "ListDiv" && g == XML_OUVRANT) {
            int division = 0;
            std::vector<TDonneesBarrage::TPlaces> places;
            for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                if (xml.GetNom() == "Division") {
                    division = LitFeuilleEntier(xml, h);
                } else if (xml.GetNom() == "ListPlace" && h == XML_OUVRANT) {
                    TDonneesBarrage::TPlaces p;
                    for (int i = xml.LitNoeud(); !Fin(i); i = xml.LitNoeud()) {
                        if (xml.GetNom() == "Min")
                            p.Min = LitFeuilleEntier(xml, i);
                        else if (xml.GetNom() == "Max")
                            p.Max = LitFeuilleEntier(xml, i);
                        else
                            xml.SauteElement(i);
                    }
                    if (p.Min != 0)
                        places.push_back(p);
                } else {
                    xml.SauteElement(h);
                }
            }
            barrage->AjouteDivision(std::move(places), division);
        } else if (nom == "TourCoupe" && g == XML_OUVRANT) {
            int nbMatch = 0, nbTotal = 0;
            TTourCoupe* tour = nullptr;
            for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                const std::string enfant = xml.GetNom();
                if (enfant == "nMatch") {
                    nbMatch = LitFeuilleEntier(xml, h);
                } else if (enfant == "nMatchTotal") {
                    nbTotal = LitFeuilleEntier(xml, h);
                } else if (enfant == "nTypeTour" && !tour) {
                    // A round holds at most the slots of its whole draw; a damaged
                    // count must not ask for more than a 16-bit number of matches.
                    const int taille = std::clamp(std::max(nbTotal, nbMatch), 0, 65535);
                    tour = barrage->AjouteTour(taille, LitFeuilleEntier(xml, h));
                } else if (enfant == "RencontreCoupe" && tour) {
                    uint16_t mots[4] = {};
                    if (LitQuatreMots(LitFeuilleTexte(xml, h), mots))
                        tour->AjouteMatch(mots[0], mots[1], mots[2], mots[3]);
                } else {
                    xml.SauteElement(h);
                }
            }
        } else if (nom == "Options" && g == XML_OUVRANT) {
            int n = 0;
            for (int h = xml.LitNoeud(); !Fin(h); h = xml.LitNoeud()) {
                if (xml.GetNom() == "Option")
                    barrage->SetOption(std::min(n++, TDonneesBarrage::NbOptions - 1),
                                       static_cast<uint8_t>(LitFeuilleEntier(xml, h)));
                else
                    xml.SauteElement(h);
            }
        } else {
            xml.SauteElement(g);
        }
    }
    return barrage;
}

bool TSaison::LitChampionnatsXml(TXmlReader& xml, int genre, TProgression& progression)
{
    if (genre != XML_OUVRANT)
        return true;
    int nbNiveau3 = 0;
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        const std::string nom = xml.GetNom();
        if (nom == "DescSaison" && g == XML_OUVRANT) {
            LitDescSaisonXml(xml, nbNiveau3);
            progression.Avance(2);
        } else if (nom == "Championnat" && g == XML_OUVRANT) {
            const int index = AjouteChampionnat(
                CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 0));
            TDonneesChampionnat* champ = m_Championnats[index].get();
            if (!champ->LoadFromXml(xml)) {
                m_Championnats.erase(m_Championnats.begin() + index);
                return false;
            }
            m_IdChampMax = std::max(m_IdChampMax, champ->CodeChamp);
            progression.AvancePartage(28, nbNiveau3 > 0 ? nbNiveau3 : 1);
        } else if (nom == "Barrage") {
            m_Barrages.push_back(LitBarrageXml(xml, g));
        } else {
            xml.SauteElement(g);
        }
    }
    m_Multi = NbChampionnat() >= 2;
    return true;
}

void TSaison::TermineLecture()
{
    AppliqueRenumJoueurs(m_RenumJoueursLus);
    AppliqueRenumArbitres(m_RenumArbitresLus);
    AppliqueRenumEntraineurs(m_RenumEntraineursLus);
}
