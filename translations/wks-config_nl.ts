<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>Over WKS CONFIG</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Bereidt het instellingenbestand van GSM-/MMS-wildcamera&apos;s op hun SD-kaart voor:
netwerk- en e-mailparameters, ontvangers, camera-instellingen en het lokgeluid.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Vrije software onder de &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, versie 3 of later&lt;/a&gt; (GPL-3.0-or-later). Zonder enige garantie.</translation>
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
        <translation>Camera-instellingen</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Werkmodus</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Cameramodus</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Fotoreeks</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-trigger</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Fotoformaat</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengte</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoformaat</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Klok instellen: (systeemtijd)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Werkdagen </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Alles selecteren</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Zondag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Maandag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Dinsdag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Woensdag</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Donderdag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Vrijdag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Zaterdag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Verzenden naar </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Werktijd </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Werktijd</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Camera-instellingen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotoformaat</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Fotoreeks</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Cameramodus</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-trigger</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-besturing</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoformaat</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengte</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Klok instellen: (systeemtijd)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Werktijd</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Werktijd</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Verzenden naar </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Verzendmodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Verzendtijd:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max. aantal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Camera-instellingen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Cameramodus</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Beveiligingsmodus</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Camerapositie</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-trigger</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-besturing</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotoformaat</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Fotoreeks</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoformaat</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengte</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lokgeluid</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Uur:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Herhalingen</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Klok instellen: (systeemtijd)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Audio toevoegen</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Werktijd</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Werkdagen </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Alles selecteren</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Zondag</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Maandag</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Dinsdag</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Woensdag</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Donderdag</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Vrijdag</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Zaterdag</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Verzenden naar </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Verzendmodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Verzendtijd:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max. aantal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Camera-instellingen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Cameramodus</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Verzenden naar</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Camerapositie</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotoformaat</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Fotoreeks</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoformaat</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengte</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Lokgeluid</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>Uur:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Herhalingen</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Klok instellen: (systeemtijd)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Audio toevoegen</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Werktijd</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Werktijd</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-trigger</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-interval</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-besturing</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Verzendmodus </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Verzendtijd:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Max. aantal:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> WAP-/internetinstellingen </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Land kiezen</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Provider kiezen</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>WAP-/internetparameters &amp;controleren</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Camera-instellingen </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Klik op ‘Standaardwaarden’ als u niet weet hoe u de camera-instellingen moet wijzigen.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>&amp;Standaardwaarden</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>Instellingen &amp;wijzigen</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Ontvangers </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Beheerdersnummer:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Telefoonnummer 2:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Telefoonnummer 3:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Telefoonnummer 4:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>E-mailontvanger 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>E-mailontvanger 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>E-mailontvanger 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>E-mailontvanger 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Let op: de gegevens hierboven worden in dit bestand opgeslagen:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Eject (&amp;E)</source>
        <translation>&amp;Uitwerpen</translation>
    </message>
    <message>
        <source>Many Cards... (&amp;M)</source>
        <translation>&amp;Meerdere kaarten...</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – aangepast voor Zweden</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Product kiezen</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Mijn keuze onthouden</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Geavanceerde instellingen</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> SMTP-server </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Deze dienst vereist &amp;SSL</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>WAP-/internetparameters</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>WAP-/internetparameters</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> WAP-instellingen</translation>
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
        <translation>Poort:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>MMS-IP:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>Parameters &amp;wissen</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Internetinstellingen </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>GPRS-APN:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>GPRS-account:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>GPRS-wachtwoord:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Server voor uitgaande e-mail:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Afzenderadres:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Wachtwoord afzender:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>&amp;Geavanceerd…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>E-mail &amp;testen</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CardStationDlg</name>
    <message>
        <source>Cameras (&amp;A):</source>
        <translation>&amp;Camera&apos;s:</translation>
    </message>
    <message>
        <source>Open List... (&amp;O)</source>
        <translation>Lijst &amp;openen...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>Camera &amp;toevoegen</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>Camera &amp;verwijderen</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>&amp;Bestaand instellingenbestand op de geheugenkaart overschrijven</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Geheugenkaarten:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>Slu&amp;iten</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>De map ‘C:\WKS_TEMP’ kon niet worden verwijderd!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>Om het audiobestand op te slaan moeten de bestaande bestanden ‘IMAG0001.JPG’ en ‘VIDE0001.AVI’ worden hernoemd. Doorgaan?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Het audiobestand wordt niet opgeslagen.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>‘IMAG0001.JPG’ of ‘VIDE0001.AVI’ kon niet worden hernoemd!
U kunt ze handmatig verwijderen of hernoemen.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Het audiobestand is opgeslagen.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Omzetten is mislukt.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>%1 kon niet worden verwijderd!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>%1 kan niet worden geschreven (%2)!</translation>
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
        <translation>De instellingen konden niet in ‘%1’ worden opgeslagen!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Fout in CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Er is geen bruikbaar station!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Het ongeldige bestand ‘%1’ kan niet worden verwijderd.
Verwijder het handmatig.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Het ongeldige reservekopiebestand kan niet worden verwijderd.
Verwijder het handmatig.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>‘%1’ kan niet worden verwijderd. Verwijder het bestand handmatig.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Alle camera-instellingen op de standaardwaarden zetten?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>De standaardwaarden zijn niet toegepast, er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Alle camera-instellingen zijn op de standaardwaarden gezet.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Alle instellingen opslaan in ‘%1’?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Alle instellingen zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Ongeldige aanroep van CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Kies een product!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Fout in CWKS_ModSelDlg::Mng_JumpToMain()!
De productlijst is leeg.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Het bestand bestaat niet!
Het laatst toegevoegde audiobestand behouden?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Het bestand bestaat niet!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Het laatst toegevoegde audiobestand behouden?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Ongeldige toestand in het veld ‘Werkdagen’!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>‘Time-lapse’ en ‘PIR-trigger’ kunnen niet tegelijk op ‘OFF’ staan!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>‘PIR-trigger’ en ‘Time-lapse’ kunnen niet tegelijk op ‘OFF’ staan!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Alle camera-instellingen opslaan?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>De camera-instellingen zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Fout in CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Ongeldige aanroep van ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Alle WAP-/internetparameters opslaan?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>De WAP-/internetparameters zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Ongeldige aanroep van CUtil::GetDayForYMonth()!</translation>
    </message>
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg is niet geïnstalleerd, maar het lokgeluid wordt ermee omgezet: installeer het pakket ffmpeg.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>de kaart is alleen-lezen</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>het station is alleen-lezen</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (niet bruikbaar: geen map)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: is %2 (niet bruikbaar: geen map)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: is %2 (niet bruikbaar: niet toegankelijk)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: is %2 (niet bruikbaar: geen antwoord op tijd)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: is %2 (%3, %4 vrij)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: is %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: is %2 (%3 vrij)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: is %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>regel %1, kolom ‘%2’: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>geen kopregel</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>de kolom komt twee keer voor</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>geen sleutel van het instellingenbestand van de %1 en geen kolom van een plaatsingstabel</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>de cameraklok wordt niet per camera ingesteld</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>regel 1: geen kolom ‘cameraID’</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>regel %1: %2 velden, de kopregel heeft er %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>geen cameraID</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>een cameraID bevat een regeleinde</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>‘%1’ staat al op regel %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>de waarde bevat een regeleinde</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>een teken dat de bestanden van de camera niet kunnen bevatten (alleen Latin-1)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>de lijst noemt geen camera</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>‘%1’ kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>het rapport ‘%1’ kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>het rapport %1: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>het rapport ‘%1’ heeft andere kolommen dan de lijst van deze run: geef een ander rapport op</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>de geheugenkaart is beveiligd tegen schrijven (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>de geheugenkaart is vol (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>de geheugenkaart is tijdens het schrijven verwijderd of defect geraakt (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>onbekend model ‘%1’</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>de reservekopie %1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>het lokgeluid wordt met ffmpeg omgezet, dat niet is geïnstalleerd: installeer het pakket ffmpeg</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2</source>
        <translation>het lokgeluid %1 kon niet worden omgezet: %2</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2 (%3)</source>
        <translation>het lokgeluid %1 kon niet worden omgezet: %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; could not be renamed</source>
        <translation>‘IMAG0001.JPG’ of ‘VIDE0001.AVI’ kon niet worden hernoemd</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>het teruggelezen lokgeluid is niet het geschreven lokgeluid</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 is verdwenen: ontkoppel elke geheugenkaart voordat u hem verwijdert</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>er staat al %1 op; dat wordt alleen overschreven als de run dat aangeeft</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>er staat het instellingenbestand van een %1 op (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>deze geheugenkaart is geschreven voor %1 — kan veilig worden verwijderd</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>deze geheugenkaart is geschreven voor %1 — ontkoppel de kaart voordat u hem verwijdert</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>geheugenkaart niet aangeraakt: %1 — kan veilig worden verwijderd</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>geheugenkaart niet aangeraakt: %1 — ontkoppel de kaart voordat u hem verwijdert</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (het rapport kon niet worden geschreven: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 niet geschreven: %2 — kan veilig worden verwijderd</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 niet geschreven: %2 — verwijder de geheugenkaart en probeer het opnieuw</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>de kopie van de camera %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>de kopie van de camera %1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>het lokgeluid: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>de geheugenkaart kon niet worden teruggelezen: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>de geheugenkaart gaf andere bytes terug dan er geschreven waren</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>de camera zou het niet lezen: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 klaar — kan veilig worden verwijderd</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 klaar — ontkoppel de kaart voordat u hem verwijdert</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 klaar — ontkoppel de kaart voordat u hem verwijdert (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL is 0, 1 of leeg, niet ‘%1’</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>‘%1’ is geen netwerksleutel van de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>‘%1’ is geen camerasleutel van de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>‘%1’ voor ‘%2’ is geen getal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>‘%1’ is geen sleutel van het instellingenbestand van de %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>no file mark: [WKSFileMark] Model is missing</source>
        <translation>geen bestandsmarkering: [WKSFileMark] Model ontbreekt</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>bestandsmarkering ‘%1’ is niet %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 ontbreekt</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 is langer dan %3 tekens, het meeste dat het programma schrijft</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 ‘%3’ is 0 noch 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 is langer dan %3 tekens</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 ‘%3’ is geen getal</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 ligt buiten %4 tot %5</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>de cameraklok is geen geldige datum en tijd</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 is geen sleutel van de %3</translation>
    </message>
    <message>
        <source>%1 for %2: %4, not %3</source>
        <translation>%1 voor %2: %4, niet %3</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: voor %1 – aangepast voor Zweden</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: voor %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Om e-mail te kunnen versturen heeft de camera uw eigen afzenderaccount nodig: stel dit in onder ‘WAP-/internetparameters controleren’.</translation>
    </message>
</context>
<context>
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Geannuleerd tijdens de stap %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>%1 mislukt: Server voor uitgaande e-mail is leeg.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>%1 mislukt: de poort ‘%2’ is geen poortnummer (1 tot en met 65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>Afzenderadres</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>E-mailontvanger 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>De e-mailtest heeft libcurl nodig: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>%1 mislukt: ‘%2’ is geen servernaam: controleer Server voor uitgaande e-mail.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>E-mailtest geslaagd</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>E-mailtest mislukt</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>‘SMTP SSL’ (Geavanceerd… in het venster WAP-/internetparameters)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> De server antwoordde: ‘%1’</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>poort %1 van %2</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>de naamdienst antwoordde niet binnen %1: is deze computer met internet verbonden?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>de servernaam ‘%1’ is onbekend: controleer Server voor uitgaande e-mail (of deze computer is niet met internet verbonden).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>niets antwoordde op %1 binnen %2: controleer de poort naast Server voor uitgaande e-mail, of een firewall zit in de weg.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>niets luistert op %1: controleer de poort naast Server voor uitgaande e-mail (e-mailproviders nemen e-mail aan op 465 met SSL, of op 587 of 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL is aangevinkt, maar de server gebruikt onversleutelde tekst op poort %1 (hij antwoordde ‘%2’). Vink %3 uit, of gebruik de SSL-poort van de server, meestal 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 nam de verbinding aan op poort %2, maar begon niet binnen %3 met TLS.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>de versleuteling kon niet worden gestart (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>de server gebruikt TLS op poort %1, maar SMTP SSL is niet aangevinkt. Vink %2 aan, of gebruik de onversleutelde poort van de server, meestal 587 of 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>de server weigerde te communiceren.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 nam de verbinding aan op poort %2, maar zei niets binnen %3.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>de server sloot de verbinding zonder begroeting (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>de server wil versleuteling vóór het aanmelden (hij biedt STARTTLS aan), maar SMTP SSL is niet aangevinkt. De camera moet SSL gebruiken: vink %1 aan en gebruik de SSL-poort van de server, meestal 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>de server antwoordde niet binnen %1 op het aanmelden.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>de server biedt geen aanmelding aan op poort %1: controleer de poort (e-mailproviders nemen aanmeldingen aan op 465 met SSL, of op 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>de server biedt geen aanmeldmethode aan die de camera kent (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>de server weigerde het adres en wachtwoord. Waarschijnlijk ligt het aan het wachtwoord (veel providers vragen voor apparaten een app-wachtwoord): controleer Wachtwoord afzender en daarna Afzenderadres.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>de server antwoordde niet binnen %1 bij het aannemen van het testbericht.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>de server laat %1 niet verzenden.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>de server weigerde de ontvanger %1.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>de server nam het testbericht niet aan.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>het is zelfondertekend</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>het is verlopen</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>het is nog niet geldig</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>het is ondertekend door een certificeringsinstantie die deze computer niet kent</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>de certificaten van deze computer kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>het is uitgegeven op een andere naam dan %1</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>het wordt niet aanvaard</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>is leeg</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>bevat een stuurteken</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>bevat een spatie</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>bevat ‘%1’</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>bevat geen ‘@’</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>bevat meer dan één ‘@’</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>heeft niets vóór de ‘@’</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>heeft niets na de ‘@’</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Naam opzoeken</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Begroeting</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 is een adres, niets op te zoeken</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2</source>
        <translation>%1 antwoordt op poort %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2 (no PORT given: the standard port)</source>
        <translation>%1 antwoordt op poort %2 (geen poort opgegeven: de standaardpoort)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>de verbinding is vanaf de eerste byte versleuteld</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>de server aanvaardde %1 en het wachtwoord (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>de server aanvaardde %1 en het wachtwoord</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>het testbericht aan %1 is aangenomen (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>het testbericht aan %1 is aangenomen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>de test duurde in totaal langer dan %1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 mislukt: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Waarschuwing: het certificaat van de server kan niet worden geverifieerd: %1 (%2); het wachtwoord wordt toch verzonden, zoals gevraagd.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Waarschuwing: het certificaat van de server kan niet worden geverifieerd: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> Bovendien biedt de server geen aanmelding aan op poort %1.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>%1 niet geprobeerd: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>het wachtwoord is niet verzonden, omdat het certificaat van de server niet kan worden geverifieerd: wie antwoordde is misschien niet de mailserver. Ook de camera kan het certificaat weigeren: vraag de e-mailprovider welke servernaam en poort u moet gebruiken.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Waarschuwing: het wachtwoord ging onversleuteld over het netwerk, zoals het ook vanaf de camera zal gaan.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2; een e-mailadres is één gewone mailbox, zoals naam@example.org. De test is gestopt voordat er verbinding werd gemaakt.</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_MainParaDlg</name>
    <message>
        <source>Others......</source>
        <translation>Overige......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Beheerdersnummer</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Instellingenbestand</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Over WKS CONFIG</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>Over WKS CONFIG (F1)</translation>
    </message>
    <message>
        <source>Eject the card</source>
        <translation>Geheugenkaart uitwerpen</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 kan veilig worden verwijderd.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 is geschreven; ontkoppel de kaart voordat u hem verwijdert.</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Productafbeelding</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Geen product gekozen</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Let op: poort %1 wordt bewaard als %2 (een poort houdt 4 cijfers), dus de test maakt verbinding met %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Het wachtwoord toch naar deze server verzenden?</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Lokgeluid op ON: voeg een audiobestand toe met de knop links</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Lokgeluid, uur</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Lokgeluid, minuut</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Begintijd, uur</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Begintijd, minuut</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Eindtijd, uur</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Eindtijd, minuut</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Verzendtijd, uur</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Verzendtijd, minuut</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Audiobestand</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Datum van de camera</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Tijd van de camera</translation>
    </message>
</context>
<context>
    <name>wks::ui::CardStationDlg</name>
    <message>
        <source>Many Cards: %1</source>
        <translation>Meerdere kaarten: %1</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Geheugenkaart</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Toestand</translation>
    </message>
    <message>
        <source>Camera List</source>
        <translation>Cameralijst</translation>
    </message>
    <message>
        <source>%1 of %2 cameras done</source>
        <translation>%1 van %2 camera&apos;s klaar</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Niet aangeraakt: het is geen geheugenkaart</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Alle camera&apos;s zijn klaar.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>De volgende geheugenkaart krijgt %1.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>schrijven</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschreven</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>gecontroleerd</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 klaar — kan veilig worden verwijderd</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 klaar — ontkoppel de kaart voordat u hem verwijdert</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Deze geheugenkaart is geschreven voor %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Geheugenkaart niet aangeraakt: er staat al %1 op</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Geheugenkaart niet aangeraakt: er staat het instellingenbestand van een %1 op</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>de geheugenkaart is beveiligd tegen schrijven</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>de geheugenkaart is vol</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>de geheugenkaart is tijdens het schrijven verwijderd of defect geraakt</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 niet geschreven: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — kan veilig worden verwijderd</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — ontkoppel de kaart voordat u hem verwijdert</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 is verdwenen: ontkoppel elke geheugenkaart voordat u hem verwijdert</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Lokgeluid wordt omgezet…</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Audiobestand (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>De camera accepteert hier alleen de cijfers 0 tot en met 9.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>De camera accepteert alleen Latin-1-tekens: A tot Z, a tot z, 0 tot 9, leestekens en West-Europese letters zoals é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>E-mailaccount wordt getest…</translation>
    </message>
</context>
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Instellingen voor GSM-/MMS-wildcamera&apos;s</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Geen product gekozen</translation>
    </message>
</context>
</TS>
