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
</TS>
