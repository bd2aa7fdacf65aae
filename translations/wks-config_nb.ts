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
    <message>
        <source>Eject (&amp;E)</source>
        <translation>Løs &amp;ut</translation>
    </message>
    <message>
        <source>Many Cards... (&amp;M)</source>
        <translation>&amp;Mange kort...</translation>
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
    <name>CardStationDlg</name>
    <message>
        <source>Cameras (&amp;A):</source>
        <translation>&amp;Kameraer:</translation>
    </message>
    <message>
        <source>Open List... (&amp;O)</source>
        <translation>Å&amp;pne liste...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>Legg &amp;til kamera</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>Fje&amp;rn kamera</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>&amp;Skriv over en innstillingsfil som alt finnes på minnekortet</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Minnekort:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>St&amp;art</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>St&amp;opp</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>&amp;Lukk</translation>
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
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg er ikke installert, men lokkelyden konverteres med det: installer pakken ffmpeg.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>kortet er skrivebeskyttet</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>stasjonen er skrivebeskyttet</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (kan ikke brukes: ingen mappe)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: er %2 (kan ikke brukes: ingen mappe)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: er %2 (kan ikke brukes: kan ikke åpnes)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: er %2 (kan ikke brukes: ikke svar i tide)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: er %2 (%3, %4 ledig)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: er %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: er %2 (%3 ledig)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: er %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>linje %1, kolonne «%2»: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>ingen overskriftsrad</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>kolonnen er navngitt to ganger</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>ingen nøkkel i innstillingsfilen til %1 og ingen kolonne i en utplasseringstabell</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>kameraklokken stilles ikke per kamera</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>linje 1: ingen kolonne «cameraID»</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>linje %1: %2 felt, overskriftsraden har %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>ingen cameraID</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>en cameraID inneholder et linjeskift</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>«%1» står allerede på linje %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>verdien inneholder et linjeskift</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>et tegn som kameraets filer ikke kan inneholde (bare Latin-1)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>listen navngir ingen kamera</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>kan ikke lese «%1»: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>tom for minne</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>rapporten «%1» kan ikke skrives: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>rapporten %1: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>rapporten «%1» har andre kolonner enn listen for denne kjøringen: oppgi en annen rapport</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>minnekortet er skrivebeskyttet (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>minnekortet er fullt (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>minnekortet ble tatt ut eller sviktet mens det ble skrevet (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>ukjent modell «%1»</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>sikkerhetskopien %1 kan ikke skrives: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>lokkelyden konverteres med ffmpeg, som ikke er installert: installer pakken ffmpeg</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2</source>
        <translation>lokkelyden %1 kunne ikke konverteres: %2</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2 (%3)</source>
        <translation>lokkelyden %1 kunne ikke konverteres: %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; could not be renamed</source>
        <translation>«IMAG0001.JPG» eller «VIDE0001.AVI» kunne ikke gis nytt navn</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>lokkelyden som ble lest tilbake, er ikke den som ble skrevet</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 forsvant: avmonter hvert minnekort før du fjerner det</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>det har allerede %1; den skrives over bare når kjøringen sier det</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>det har innstillingsfilen til en %1 (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>dette minnekortet ble skrevet for %1 — kan trygt fjernes</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>dette minnekortet ble skrevet for %1 — avmonter det før du fjerner det</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>minnekortet er urørt: %1 — kan trygt fjernes</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>minnekortet er urørt: %1 — avmonter det før du fjerner det</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (rapporten kunne ikke skrives: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 ikke skrevet: %2 — kan trygt fjernes</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 ikke skrevet: %2 — ta ut minnekortet og prøv igjen</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>kameraets kopi %1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>kameraets kopi %1 kunne ikke leses: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>lokkelyden: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>minnekortet kunne ikke leses tilbake: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>minnekortet ga tilbake andre byte enn dem som ble skrevet</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>kameraet ville ikke lese den: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 ferdig — kan trygt fjernes</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 ferdig — avmonter det før du fjerner det</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 ferdig — avmonter det før du fjerner det (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL er 0, 1 eller tom, ikke «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>«%1» er ingen nettverksnøkkel for %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>«%1» er ingen kameranøkkel for %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>«%1» for «%2» er ikke et tall</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>«%1» er ingen nøkkel i innstillingsfilen til %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 til %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>no file mark: [WKSFileMark] Model is missing</source>
        <translation>ingen filmerking: [WKSFileMark] Model mangler</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>filmerkingen «%1» er ikke %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 mangler</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 er lengre enn %3 tegn, det meste programmet skriver</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 «%3» er verken 0 eller 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 er lengre enn %3 tegn</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 «%3» er ikke et tall</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 ligger utenfor %4 til %5</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>kameraklokken er ikke en gyldig dato og tid</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 er ingen nøkkel for %3</translation>
    </message>
    <message>
        <source>%1 for %2: %4, not %3</source>
        <translation>%1 for %2: %4, ikke %3</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
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
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Avbrutt under trinnet %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>%1 mislyktes: Tjener for utgående e-post er tom.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>%1 mislyktes: porten «%2» er ikke et portnummer (1 til 65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>Avsenderadresse</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>E-postmottaker 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>E-posttesten trenger libcurl: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>%1 mislyktes: «%2» er ikke et tjenernavn: kontroller Tjener for utgående e-post.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>E-posttesten lyktes</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>E-posttesten mislyktes</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>«SMTP SSL» (Avansert… i vinduet WAP-/Internett-parametere)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> Tjeneren svarte: «%1»</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>port %1 på %2</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>navnetjenesten svarte ikke innen %1: er datamaskinen koblet til Internett?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>tjenernavnet «%1» er ukjent: kontroller Tjener for utgående e-post (eller så er datamaskinen ikke koblet til Internett).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>ingenting svarte på %1 innen %2: kontroller porten ved siden av Tjener for utgående e-post, eller så står en brannmur i veien.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>ingenting lytter på %1: kontroller porten ved siden av Tjener for utgående e-post (e-postleverandører tar imot e-post på 465 med SSL, eller på 587 eller 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL er avkrysset, men tjeneren bruker ukryptert tekst på port %1 (den svarte «%2»). Fjern avkrysningen for %3, eller bruk tjenerens SSL-port, vanligvis 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 tok imot tilkoblingen på port %2, men startet ikke TLS innen %3.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>krypteringen kunne ikke startes (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>tjeneren bruker TLS på port %1, men SMTP SSL er ikke avkrysset. Kryss av for %2, eller bruk tjenerens ukrypterte port, vanligvis 587 eller 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>tjeneren nektet å kommunisere.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 tok imot tilkoblingen på port %2, men sa ingenting innen %3.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>tjeneren lukket tilkoblingen uten hilsen (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>tjeneren vil ha kryptering før innloggingen (den tilbyr STARTTLS), men SMTP SSL er ikke avkrysset. Kameraet må bruke SSL: kryss av for %1 og bruk tjenerens SSL-port, vanligvis 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>tjeneren svarte ikke på innloggingen innen %1.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>tjeneren tilbyr ingen innlogging på port %1: kontroller porten (e-postleverandører tar imot innlogging på 465 med SSL, eller på 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>tjeneren tilbyr ingen innloggingsmåte som kameraet kjenner (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>tjeneren avviste adressen og passordet. Trolig er det passordet som er feil (mange leverandører krever et app-passord for enheter): kontroller Avsenderpassord, deretter Avsenderadresse.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>tjeneren svarte ikke innen %1 mens den tok imot testmeldingen.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>tjeneren lar ikke %1 sende.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>tjeneren avviste mottakeren %1.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>tjeneren tok ikke imot testmeldingen.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>det er selvsignert</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>det er utløpt</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>det er ikke gyldig ennå</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>det er signert av en utsteder som datamaskinen ikke kjenner</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>datamaskinens sertifikater kan ikke leses</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>det er utstedt til et annet navn enn %1</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>det godtas ikke</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>er tom</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>inneholder et kontrolltegn</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>inneholder et mellomrom</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>inneholder «%1»</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>mangler «@»</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>inneholder mer enn én «@»</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>har ingenting foran «@»</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>har ingenting etter «@»</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Navneoppslag</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Hilsen</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Innlogging</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Sending</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 er en adresse, ingenting å slå opp</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 er %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2</source>
        <translation>%1 svarer på port %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2 (no PORT given: the standard port)</source>
        <translation>%1 svarer på port %2 (ingen port angitt: standardporten)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>tilkoblingen er kryptert fra første byte</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>tjeneren godtok %1 og passordet (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>tjeneren godtok %1 og passordet</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>testmeldingen til %1 ble tatt imot (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>testmeldingen til %1 ble tatt imot</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>testen tok til sammen lengre tid enn %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 mislyktes: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Advarsel: tjenerens sertifikat kan ikke bekreftes: %1 (%2); passordet sendes likevel, som bedt om.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Advarsel: tjenerens sertifikat kan ikke bekreftes: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> Dessuten tilbyr tjeneren ingen innlogging på port %1.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>%1 ble ikke forsøkt: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>passordet ble ikke sendt fordi tjenerens sertifikat ikke kan bekreftes: den som svarte, er kanskje ikke e-posttjeneren. Kameraet kan også avvise sertifikatet: spør e-postleverandøren hvilket tjenernavn og hvilken port som skal brukes.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Advarsel: passordet gikk ukryptert over nettet, slik det også vil gjøre fra kameraet.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2; en e-postadresse er én vanlig postboks, for eksempel navn@example.org. Testen stoppet før tilkoblingen.</translation>
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
    <message>
        <source>Eject the card</source>
        <translation>Løs ut minnekortet</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 kan trygt fjernes.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 er skrevet; avmonter det før du fjerner det.</translation>
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
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Merk: port %1 lagres som %2 (en port har høyst 4 sifre), så testen kobler til %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Vil du likevel sende passordet til denne tjeneren?</translation>
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
    <name>wks::ui::CardStationDlg</name>
    <message>
        <source>Many Cards: %1</source>
        <translation>Mange kort: %1</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Minnekort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Camera List</source>
        <translation>Kameraliste</translation>
    </message>
    <message>
        <source>%1 of %2 cameras done</source>
        <translation>%1 av %2 kameraer ferdige</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Latt urørt: det er ikke et minnekort</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Alle kameraene er ferdige.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>Neste minnekort får %1.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>skriver</translation>
    </message>
    <message>
        <source>written</source>
        <translation>skrevet</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>kontrollert</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 ferdig — kan trygt fjernes</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 ferdig — avmonter det før du fjerner det</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Dette minnekortet ble skrevet for %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Minnekortet er urørt: det har allerede %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Minnekortet er urørt: det har innstillingsfilen til en %1</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>minnekortet er skrivebeskyttet</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>minnekortet er fullt</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>minnekortet ble tatt ut eller sviktet mens det ble skrevet</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 ikke skrevet: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — kan trygt fjernes</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — avmonter det før du fjerner det</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 forsvant: avmonter hvert minnekort før du fjerner det</translation>
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
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Innstillinger for GSM-/MMS-viltkameraer</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Ingen produkt valgt</translation>
    </message>
</context>
</TS>
