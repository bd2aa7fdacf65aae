<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>Om WKS CONFIG</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Forbereder indstillingsfilen til GSM-/MMS-vildtkameraer på deres SD-kort:
netværks- og e-mailparametre, modtagere, kameraindstillinger og lokkelyden.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Fri software under &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 eller senere&lt;/a&gt; (GPL-3.0-or-later). Programmet leveres uden garanti.</translation>
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
        <translation>Kameraindstillinger</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Driftstilstand</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratilstand</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Billedserie</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervaloptagelse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-udløser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Billedstørrelse</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolængde</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostørrelse</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Indstil ur: (systemtid)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Arbejdsdage </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Vælg alle</translation>
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
        <translation> Arbejdstid </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbejdstid</translation>
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
        <translation>&amp;Annullér</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameraindstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Billedstørrelse</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Billedserie</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratilstand</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervaloptagelse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-udløser</translation>
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
        <translation>Videolængde</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Indstil ur: (systemtid)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbejdstid</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbejdstid</translation>
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
        <translation> Sendetilstand </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendetid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Maks. antal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annullér</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameraindstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratilstand</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Sikkerhedstilstand</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposition</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervaloptagelse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-udløser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styring</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Billedstørrelse</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Billedserie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostørrelse</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolængde</translation>
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
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Afspilninger</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Indstil ur: (systemtid)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Tilføj lyd</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbejdstid</translation>
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
        <translation> Arbejdsdage </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Vælg alle</translation>
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
        <translation> Sendetilstand </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendetid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Maks. antal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annullér</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameraindstillinger</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratilstand</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Send til</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameraposition</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Billedstørrelse</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Billedserie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videostørrelse</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolængde</translation>
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
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Afspilninger</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Indstil ur: (systemtid)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Tilføj lyd</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Arbejdstid</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Arbejdstid</translation>
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
        <translation>Intervaloptagelse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-udløser</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-styring</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Sendetilstand </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Sendetid:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Maks. antal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annullér</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> WAP-/internetindstillinger </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Vælg land</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Vælg operatør</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>&amp;Kontrollér WAP-/internetparametre</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Kameraindstillinger </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Klik på »Standardværdier«, hvis du ikke ved, hvordan kameraindstillingerne skal ændres.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>Stan&amp;dardværdier</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>Ændr &amp;indstillinger</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Modtagere </translation>
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
        <translation>E-mailmodtager 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>E-mailmodtager 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>E-mailmodtager 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>E-mailmodtager 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Bemærk: Oplysningerne ovenfor gemmes i denne fil:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Eject (&amp;E)</source>
        <translation>&amp;Skub ud</translation>
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
        <translation>Vælg produkt</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Husk mit valg</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Afslut</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Avancerede indstillinger</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> SMTP-server </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Tjenesten kræver &amp;SSL</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annullér</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>WAP-/internetparametre</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>WAP-/internetparametre</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> WAP-indstillinger</translation>
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
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>&amp;Ryd parametre</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Internetindstillinger </translation>
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
        <translation>GPRS-adgangskode:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Server til udgående post:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Afsenderadresse:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Afsenderens adgangskode:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>A&amp;vanceret…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>&amp;Test e-mail</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annullér</translation>
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
        <translation>Å&amp;bn liste...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>&amp;Tilføj kamera</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>Fje&amp;rn kamera</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>&amp;Overskriv en indstillingsfil, der allerede er på hukommelseskortet</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Hukommelseskort:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>St&amp;art</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>Sto&amp;p</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>&amp;Luk</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Mappen »C:\WKS_TEMP« kunne ikke slettes!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>For at gemme lydfilen skal de eksisterende filer »IMAG0001.JPG« og »VIDE0001.AVI« omdøbes. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Lydfilen gemmes ikke.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>»IMAG0001.JPG« eller »VIDE0001.AVI« kunne ikke omdøbes!
Du kan slette eller omdøbe dem manuelt.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Lydfilen er gemt.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Konverteringen mislykkedes.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>%1 kunne ikke slettes!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>Kan ikke skrive %1 (%2)!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>WKS-tip</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>WKS-tip</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Indstillingerne kunne ikke gemmes i »%1«!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Fejl i CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Intet drev kan bruges!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Kan ikke slette den ugyldige fil »%1«.
Slet den manuelt.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Kan ikke slette den ugyldige sikkerhedskopi.
Slet den manuelt.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>Kan ikke slette »%1«. Slet filen manuelt.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Vil du sætte alle kameraindstillinger til standardværdier?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Standardværdierne blev ikke anvendt, intet er ændret.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Alle kameraindstillinger er sat til standardværdier.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Gem alle indstillinger i »%1«?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Alle indstillinger er gemt.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Ugyldigt kald af CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Vælg et produkt!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Fejl i CWKS_ModSelDlg::Mng_JumpToMain()!
Produktlisten er tom.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Filen findes ikke!
Vil du beholde den lydfil, du tilføjede sidst?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Filen findes ikke!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Vil du beholde den lydfil, du tilføjede sidst?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Ugyldig tilstand i feltet »Arbejdsdage«!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>»Intervaloptagelse« og »PIR-udløser« kan ikke stå på »OFF« på samme tid!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>»PIR-udløser« og »Intervaloptagelse« kan ikke stå på »OFF« på samme tid!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Gem alle kameraindstillinger?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Kameraindstillingerne er gemt.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Fejl i CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Ugyldigt kald af ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Gem alle WAP-/internetparametre?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>WAP-/internetparametrene er gemt.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Ugyldigt kald af CUtil::GetDayForYMonth()!</translation>
    </message>
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg er ikke installeret, men lokkelyden konverteres med det: Installér pakken ffmpeg.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>kortet er skrivebeskyttet</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>drevet er skrivebeskyttet</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (kan ikke bruges: ingen mappe)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: er %2 (kan ikke bruges: ingen mappe)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: er %2 (kan ikke bruges: kan ikke åbnes)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: er %2 (kan ikke bruges: intet svar i tide)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: er %2 (%3, %4 ledigt)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: er %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: er %2 (%3 ledigt)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: er %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>linje %1, kolonne »%2«: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>ingen overskriftsrække</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>kolonnen er navngivet to gange</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>hverken en nøgle i indstillingsfilen til %1 eller en kolonne i en udsætningstabel</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>kameraets ur indstilles ikke pr. kamera</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>linje 1: ingen kolonne »cameraID«</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>linje %1: %2 felter, overskriftsrækken har %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>intet cameraID</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>et cameraID indeholder et linjeskift</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>»%1« står allerede på linje %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>værdien indeholder et linjeskift</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>et tegn, som kameraets filer ikke kan indeholde (kun Latin-1)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>listen nævner intet kamera</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>kan ikke læse »%1«: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>ikke mere hukommelse</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>rapporten »%1« kan ikke skrives: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>rapporten %1: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>rapporten »%1« har andre kolonner end listen for denne kørsel: angiv en anden rapport</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>hukommelseskortet er skrivebeskyttet (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>hukommelseskortet er fuldt (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>hukommelseskortet blev taget ud eller svigtede, mens det blev skrevet (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>ukendt model »%1«</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>sikkerhedskopien %1 kan ikke skrives: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>lokkelyden konverteres med ffmpeg, som ikke er installeret: installer pakken ffmpeg</translation>
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
        <translation>»IMAG0001.JPG« eller »VIDE0001.AVI« kunne ikke omdøbes</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>lokkelyden, der blev læst tilbage, er ikke den, der blev skrevet</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 forsvandt: afmonter hvert hukommelseskort, før du fjerner det</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>det har allerede %1; den overskrives kun, når kørslen siger det</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>det har indstillingsfilen til en %1 (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>dette hukommelseskort blev skrevet til %1 — kan fjernes sikkert</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>dette hukommelseskort blev skrevet til %1 — afmonter det, før du fjerner det</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>hukommelseskortet er uberørt: %1 — kan fjernes sikkert</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>hukommelseskortet er uberørt: %1 — afmonter det, før du fjerner det</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (rapporten kunne ikke skrives: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 ikke skrevet: %2 — kan fjernes sikkert</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 ikke skrevet: %2 — tag hukommelseskortet ud, og prøv igen</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>kameraets kopi %1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>kameraets kopi %1 kunne ikke læses: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>lokkelyden: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>hukommelseskortet kunne ikke læses tilbage: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>hukommelseskortet gav andre byte tilbage end dem, der blev skrevet</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>kameraet ville ikke læse den: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 færdig — kan fjernes sikkert</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 færdig — afmonter det, før du fjerner det</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 færdig — afmonter det, før du fjerner det (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL er 0, 1 eller tom, ikke »%1«</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>»%1« er ikke en netværksnøgle til %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>»%1« er ikke en kameranøgle til %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>»%1« for »%2« er ikke et tal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>»%1« er ikke en nøgle i indstillingsfilen til %2</translation>
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
        <translation>intet filmærke: [WKSFileMark] Model mangler</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>filmærket »%1« er ikke %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 mangler</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 er længere end %3 tegn, det meste programmet skriver</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 »%3« er hverken 0 eller 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 er længere end %3 tegn</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 »%3« er ikke et tal</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 ligger uden for %4 til %5</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>kameraets ur er ikke en gyldig dato og tid</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 er ikke en nøgle for %3</translation>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: til %1 – tilpasset Sverige</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: til %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Kameraet skal bruge din egen afsenderkonto for at sende e-mail: Angiv den under »Kontrollér WAP-/internetparametre«.</translation>
    </message>
</context>
<context>
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Annulleret under trinnet %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>%1 mislykkedes: Server til udgående post er tom.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>%1 mislykkedes: Porten »%2« er ikke et portnummer (1 til 65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>Afsenderadresse</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>E-mailmodtager 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>E-mailtesten skal bruge libcurl: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>%1 mislykkedes: »%2« er ikke et servernavn: Kontrollér Server til udgående post.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>E-mailtesten lykkedes</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>E-mailtesten mislykkedes</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>»SMTP SSL« (Avanceret… i vinduet WAP-/internetparametre)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> Serveren svarede: »%1«</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>port %1 på %2</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>Navnetjenesten svarede ikke inden for %1: Er computeren forbundet til internettet?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>Servernavnet »%1« er ukendt: Kontrollér Server til udgående post (eller computeren er ikke forbundet til internettet).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>Intet svarede på %1 inden for %2: Kontrollér porten ved siden af Server til udgående post, eller en firewall står i vejen.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>Intet lytter på %1: Kontrollér porten ved siden af Server til udgående post (mailudbydere modtager post på 465 med SSL eller på 587 eller 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL er markeret, men serveren bruger ukrypteret tekst på port %1 (den svarede »%2«). Fjern markeringen af %3, eller brug serverens SSL-port, normalt 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 tog imod forbindelsen på port %2, men startede ikke TLS inden for %3.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>Krypteringen kunne ikke startes (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>Serveren bruger TLS på port %1, men SMTP SSL er ikke markeret. Markér %2, eller brug serverens ukrypterede port, normalt 587 eller 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>Serveren nægtede at kommunikere.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 tog imod forbindelsen på port %2, men sagde intet inden for %3.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>Serveren lukkede forbindelsen uden hilsen (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>Serveren vil have kryptering før login (den tilbyder STARTTLS), men SMTP SSL er ikke markeret. Kameraet skal bruge SSL: Markér %1, og brug serverens SSL-port, normalt 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>Serveren svarede ikke på login inden for %1.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>Serveren tilbyder ikke login på port %1: Kontrollér porten (mailudbydere modtager login på 465 med SSL eller på 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>Serveren tilbyder ingen loginmetode, som kameraet kender (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>Serveren afviste adressen og adgangskoden. Sandsynligvis er det adgangskoden, der er forkert (mange udbydere kræver en app-adgangskode til enheder): Kontrollér Afsenderens adgangskode og derefter Afsenderadresse.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>Serveren svarede ikke inden for %1, mens den modtog testbeskeden.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>Serveren lader ikke %1 sende.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>Serveren afviste modtageren %1.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>Serveren modtog ikke testbeskeden.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>Det er selvsigneret</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>Det er udløbet</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>Det er ikke gyldigt endnu</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>Det er signeret af en udsteder, som computeren ikke kender</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>Computerens certifikater kan ikke læses</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>Det er udstedt til et andet navn end %1</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>Det accepteres ikke</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>er tom</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>indeholder et kontroltegn</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>indeholder et mellemrum</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>indeholder »%1«</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>mangler »@«</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>indeholder mere end ét »@«</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>har intet før »@«</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>har intet efter »@«</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Navneopslag</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Forbindelse</translation>
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
        <translation>Login</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Afsendelse</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 er en adresse, intet at slå op</translation>
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
        <translation>%1 svarer på port %2 (ingen port angivet: standardporten)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>Forbindelsen er krypteret fra første byte</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>Serveren godtog %1 og adgangskoden (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>Serveren godtog %1 og adgangskoden</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>Testbeskeden til %1 blev modtaget (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>Testbeskeden til %1 blev modtaget</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>Testen tog i alt længere tid end %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 mislykkedes: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Advarsel: Serverens certifikat kan ikke bekræftes: %1 (%2); adgangskoden sendes alligevel, som ønsket.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Advarsel: Serverens certifikat kan ikke bekræftes: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> Desuden tilbyder serveren ikke login på port %1.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>%1 ikke forsøgt: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>Adgangskoden blev ikke sendt, fordi serverens certifikat ikke kan bekræftes: Den, der svarede, er måske ikke mailserveren. Kameraet kan også afvise certifikatet: Spørg mailudbyderen, hvilket servernavn og hvilken port der skal bruges.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Advarsel: Adgangskoden blev sendt ukrypteret over nettet, sådan som den også vil blive det fra kameraet.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2; en e-mailadresse er én almindelig postkasse, f.eks. navn@example.org. Testen stoppede, før der blev oprettet forbindelse.</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Indstillingsfil</translation>
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
        <translation>Skub hukommelseskortet ud</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 kan fjernes sikkert.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 er skrevet; afmonter det, før du fjerner det.</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Produktbillede</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Intet produkt valgt</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Bemærk: Port %1 gemmes som %2 (en port har højst 4 cifre), så testen forbinder til %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Vil du alligevel sende adgangskoden til denne server?</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Lokkelyd på ON: tilføj en lydfil med knappen til venstre</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Lokkelyd, time</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Lokkelyd, minut</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Starttid, time</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Starttid, minut</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Sluttid, time</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Sluttid, minut</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Sendetid, time</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Sendetid, minut</translation>
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
        <translation>Kameraets klokkeslæt</translation>
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
        <translation>Hukommelseskort</translation>
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
        <translation>%1 af %2 kameraer færdige</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Ladt uberørt: det er ikke et hukommelseskort</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Alle kameraer er færdige.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>Næste hukommelseskort får %1.</translation>
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
        <translation>kontrolleret</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 færdig — kan fjernes sikkert</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 færdig — afmonter det, før du fjerner det</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Dette hukommelseskort blev skrevet til %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Hukommelseskortet er uberørt: det har allerede %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Hukommelseskortet er uberørt: det har indstillingsfilen til en %1</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>hukommelseskortet er skrivebeskyttet</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>hukommelseskortet er fuldt</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>hukommelseskortet blev taget ud eller svigtede, mens det blev skrevet</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 ikke skrevet: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — kan fjernes sikkert</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — afmonter det, før du fjerner det</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 forsvandt: afmonter hvert hukommelseskort, før du fjerner det</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
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
        <translation>Kameraet accepterer kun cifrene 0 til 9 her.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>Kameraet accepterer kun Latin-1-tegn: A til Z, a til z, 0 til 9, tegn og vesteuropæiske bogstaver som é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Tester e-mailkontoen…</translation>
    </message>
</context>
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Indstillinger til GSM-/MMS-vildtkameraer</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Intet produkt valgt</translation>
    </message>
</context>
</TS>
