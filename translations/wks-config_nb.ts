<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>Om WKS CONFIG</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Lager innstillingsfilen for GSM-/MMS-viltkameraer på SD-kortet deres:
nett- og e-postparametere, mottakere, kamerainnstillinger og lokkelyden.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Fri programvare under &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, versjon 3 eller senere&lt;/a&gt; (GPL-3.0-or-later). Programmet leveres uten garanti.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaFX200Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainnstillinger</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Driftsmodus</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildeserie</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallopptak</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utløser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Bildestørrelse</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengde</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostørrelse</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Still klokken: (systemtid)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Arbeidsdager </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Velg alle</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Søndag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Mandag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tirsdag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Onsdag</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torsdag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Fredag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lørdag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Send til </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Arbeidstid </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeidstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainnstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Bildestørrelse</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildeserie</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallopptak</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utløser</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styring</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostørrelse</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengde</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Still klokken: (systemtid)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbeidstid</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeidstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Send til </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sendemodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendetid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Maks antall:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainnstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Sikkerhetsmodus</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposisjon</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallopptak</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utløser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styring</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Bildestørrelse</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildeserie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostørrelse</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengde</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lokkelyd</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Avspillinger</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Still klokken: (systemtid)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Legg til lyd</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeidstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Arbeidsdager </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Velg alle</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Søndag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Mandag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tirsdag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Onsdag</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torsdag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Fredag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lørdag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Send til </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sendemodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendetid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Maks antall:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kamerainnstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Send til</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposisjon</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Bildestørrelse</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildeserie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostørrelse</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengde</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lokkelyd</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Avspillinger</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Still klokken: (systemtid)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Legg til lyd</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbeidstid</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbeidstid</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallopptak</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-utløser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-intervall</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styring</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sendemodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendetid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Maks antall:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> WAP-/Internett-innstillinger </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Velg land</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Velg operatør</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>&amp;Kontroller WAP-/Internett-parametere</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Kamerainnstillinger </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Klikk på «Standardverdier» hvis du ikke vet hvordan kamerainnstillingene skal endres.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>Stan&amp;dardverdier</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>&amp;Endre innstillinger</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Mottakere </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Administratornummer:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Telefonnummer 2:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Telefonnummer 3:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Telefonnummer 4:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>E-postmottaker 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>E-postmottaker 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>E-postmottaker 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>E-postmottaker 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Merk: opplysningene over lagres i denne filen:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Avslutt</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – tilpasset Sverige</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Velg produkt</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Husk valget mitt</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Avslutt</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Avanserte innstillinger</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> SMTP-tjener </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Tjenesten krever &amp;SSL</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>WAP-/Internett-parametere</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>WAP-/Internett-parametere</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> WAP-innstillinger</translation>
    </message>
    <message>
        <source>MMS URL :</source>
        <translation>MMS-URL:</translation>
    </message>
    <message>
        <source>MMS APN :</source>
        <translation>MMS-APN:</translation>
    </message>
    <message>
        <source>PORT :</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>MMS-IP:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>&amp;Tøm parametere</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Internett-innstillinger </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>GPRS-APN:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>GPRS-konto:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>GPRS-passord:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Tjener for utgående e-post:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Avsenderadresse:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Avsenderpassord:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>A&amp;vansert…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>Test e-&amp;post</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Kunne ikke slette mappen «C:\WKS_TEMP»!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>For å lagre lydfilen må de eksisterende filene «IMAG0001.JPG» og «VIDE0001.AVI» få nytt navn. Vil du fortsette?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Lydfilen blir ikke lagret.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>Kunne ikke gi nytt navn til «IMAG0001.JPG» eller «VIDE0001.AVI»!
Du kan slette dem eller gi dem nytt navn manuelt.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Lydfilen er lagret.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Konverteringen mislyktes.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>Kunne ikke slette %1!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>Kan ikke skrive %1 (%2)!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>WKS-tips</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>WKS-tips</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Kunne ikke lagre innstillingene i «%1»!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Feil i CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Ingen stasjon kan brukes!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Kan ikke slette den ugyldige filen «%1».
Slett den manuelt.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Kan ikke slette den ugyldige sikkerhetskopien.
Slett den manuelt.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>Kan ikke slette «%1». Slett filen manuelt.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Vil du sette alle kamerainnstillinger til standardverdier?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Standardverdiene ble ikke tatt i bruk, ingenting er endret.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Alle kamerainnstillinger er satt til standardverdier.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Lagre alle innstillinger i «%1»?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Alle innstillinger er lagret.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Ugyldig kall til CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Velg et produkt!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Feil i CWKS_ModSelDlg::Mng_JumpToMain()!
Produktlisten er tom.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Filen finnes ikke!
Vil du beholde lydfilen du la til sist?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Filen finnes ikke!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Vil du beholde lydfilen du la til sist?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Ugyldig tilstand i feltet «Arbeidsdager»!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>«Intervallopptak» og «PIR-utløser» kan ikke stå på «OFF» samtidig!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>«PIR-utløser» og «Intervallopptak» kan ikke stå på «OFF» samtidig!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Lagre alle kamerainnstillinger?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Kamerainnstillingene er lagret.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Feil i CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Ugyldig kall til ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Lagre alle WAP-/Internett-parametere?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>WAP-/Internett-parameterne er lagret.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Ugyldig kall til CUtil::GetDayForYMonth()!</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: for %1 – tilpasset Sverige</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: for %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Kameraet trenger din egen avsenderkonto for å sende e-post: angi den under «Kontroller WAP-/Internett-parametere».</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_MainParaDlg</name>
    <message>
        <source>Others......</source>
        <translation>Andre......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Administratornummer</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Innstillingsfil</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Om WKS CONFIG</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>Om WKS CONFIG (F1)</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Produktbilde</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Ingen produkt valgt</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Lokkelyd på ON: legg til en lydfil med knappen til venstre</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Lokkelyd, time</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Lokkelyd, minutt</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Starttid, time</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Starttid, minutt</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Sluttid, time</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Sluttid, minutt</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Sendetid, time</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Sendetid, minutt</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Lydfil</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Kameraets dato</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kameraets klokkeslett</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Konverterer lokkelyden…</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Lydfil (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>Kameraet godtar bare sifrene 0 til 9 her.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>Kameraet godtar bare Latin-1-tegn: A til Z, a til z, 0 til 9, skilletegn og vesteuropeiske bokstaver som é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Tester e-postkontoen…</translation>
    </message>
</context>
</TS>
