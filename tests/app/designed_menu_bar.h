// The main window's menu bar as designed, for comparison with the one the
// window builds.
#pragma once

namespace oltoma::testing {

// The menu bar as designed, one line per entry: caption, "#name" for named
// entries, "(o)" for radio items and "?hint" ("?short|long" when they differ).
inline constexpr const char* kDesignedMenuBar =
    R"(arkiv #arkiv ?databiblioteket för programmets filer och inställningar
  välj #arkiv_select
    00 #arkiv_v00 (o)
    01 #arkiv_v01 (o)
    02 #arkiv_v02 (o)
    03 #arkiv_v03 (o)
    04 #arkiv_v04 (o)
    05 #arkiv_v05 (o)
    06 #arkiv_v06 (o)
    07 #arkiv_v07 (o)
  -
  &ny #arkiv_new
  &ändra #arkiv_change
  inställningar
  -
  anmälningseditor
  -
  importera #importera1
    &importera #arkiv_importera
    &radera alla deltagare #arkiv_raderaallamedl
  exportera #arkiv_exportera
    distrikt
    klubbarna #arkiv_exp_klubbarna
      alla i registret
      endast tävlande
    rutbeskrivnignarna #arkiv_exp_rutbeskrivnignarna
    tävlingen
    klasserna
    kontrollerna #arkiv_exp_kontrollerna
    banorna #arkiv_exp_banorna
    deltagarna #arkiv_exp_medlemmar
    deltagarna i öppna klasser #arkiv_exp_deltagarnaoippnaklasser
    dataranking
    måltider
    -
    startlista web
    resultatlista web
  -
  lottning
    klubbanlottning
    gemensam start
    grupplottning
    skidlottning
    -
    jaktstart
  klassdela
  elitgallra
  patrullbestäm
  simuleringar
    testtider
  -
  filvård #arkiv_filvard
    säkerhetskopiera #arkiv_kopiera1
    indexbygg #arkiv_indexbygg1
    -
    skapa nya #arkiv_skapanya1
  -
  &radera #arkiv_delete
    00 #arkiv_r00 (o)
    01 #arkiv_r01 (o)
    02 #arkiv_r02 (o)
    03 #arkiv_r03 (o)
    04 #arkiv_r04 (o)
    05 #arkiv_r05 (o)
    06 #arkiv_r06 (o)
    07 #arkiv_r07 (o)
  -
  avsluta
register #register1
  klubbar #register_klubbar
  distrikt #register_distrikt
  rutbeskrivningar #register_rutbeskrivningar
  -
  klasser #register_klasser
  deltagare #register_deltagare
    i vanliga klasser #register_vanliga_klasser
    i öppna klasser #register_oppna_klasser
  kontroller #register_kontroller
  banor #register_banor
visningar
  definitioner
    banor #visningar_banor
rapporter #rapporter
  arrangör #arranger
    checklista #arranger_checklista
    klasslista #arranger_klasslista
    rapportlista #arranger_rapportlista
    rankingreservlista #arranger_rankingreservlista
    rankingtävlingslista
    skogenlista
    expeditionslista
    softrapport
    kilometertider
    startfält
      filvis
      banvis
      klassvis
      frekvens
    dublettkolla
    kontroll väntande målgång
  startlistor
    klassvis
    klubbvis
    minutvis
    filvis
    banvis
    efteranmälda
    stafett
    diskstartlista
  startkort/remsor
    klassvis
    klubbvis
    minutvis
    filvis
    banvis
    efteranmälda
    nummervis
    mallkort
  resultat
    klassvis
    distriktsvis
    klubbvis
    öppna klasser
    speakerlista
    klassegrare
    diskresultat
      enkel
      hel
    väntande målgång
    växelordning
  tävling i tävling
    välj beskrivning
    lista beskrivning
    startlista
    resultatlista
  definitioner
    rutbeskrivningar
      sammanställning #rutbeskrivning_sammanstallning
      data och sökord #rutbeskrivning_data
      blankett #rutbeskrivning_blankett
    kontroller #definitioner_kontroller
    banor klass #definitioner_banorklass
    kodbanaklass #definitioner_kodbanaklass
    banor  #definitioner_banor
  klubbrapporter
    etiketter
      alla adresser
      tävlande adresser
      startlistor
      resultatlistor
      klubbetiketter
    listor
      klubblista
      distriktsvis
      adresslista
      statistik
      betalning
    giro
      data
      tom
    klubbfaktura
målgång
  sekretariat
  speaker
hjälp
  kom igång #hjalp_komigang
  statistik #hjalp_statistik
xregister #xregister ?register för etikett- och giro- utskrifter
  plusgiro #plusgiroMenu ?blankett 2021.02|blankett 2021.2
  postgiro #postgiroMenu ?blankett 2021.01
  bankgiro #bankgiroMenu
  - #N9main
  etikettregister #etikettMenu ?adress- och bildregister
)";

}  // namespace oltoma::testing
