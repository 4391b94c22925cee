#pragma once

// What the readers of the championship and of its sport variants share.

#include "base/ioXml.h"
#include "model/Championnat.h"

inline bool FinXml(int genre)
{
    return genre == XML_FERMANT || genre == XML_FIN;
}

template <class F> void TDonneesChampionnat::LitEnfantsInt(TXmlReader& xml, int genre, const char* nom, F lit)
{
    if (genre != XML_OUVRANT)
        return;
    for (int g = xml.LitNoeud(); !FinXml(g); g = xml.LitNoeud()) {
        if (xml.GetNom() == nom)
            lit(xml.GetTexteInt());
        else
            xml.SauteElement(g);
    }
}
