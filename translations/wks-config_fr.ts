<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>À propos de WKS CONFIG</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Prépare le fichier de réglages des caméras de chasse GSM/MMS sur leur carte SD&#xa0;:
paramètres réseau et e-mail, destinataires, réglages de la caméra et appeau.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Logiciel libre sous &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;licence publique générale GNU, version 3 ou ultérieure&lt;/a&gt; (GPL-3.0-or-later). Il est fourni sans aucune garantie.</translation>
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
        <translation>Réglages de la caméra</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Mode de fonctionnement</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Mode caméra</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Rafale photo</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallomètre</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Déclencheur PIR</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Intervalle PIR</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Taille photo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durée vidéo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Régler l&apos;horloge&#xa0;: (heure système)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Jours de fonctionnement </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Tout sélectionner</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Dimanche</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Lundi</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Mardi</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Mercredi</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Jeudi</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Vendredi</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Samedi</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Envoyer à </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Plage horaire </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Plage horaire</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Réglages de la caméra</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Taille photo</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Rafale photo</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Mode caméra</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Intervalle PIR</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallomètre</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Déclencheur PIR</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>Commande par SMS</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durée vidéo</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Régler l&apos;horloge&#xa0;: (heure système)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Plage horaire</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Plage horaire</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Envoyer à </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Mode d&apos;envoi </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Heure d&apos;envoi&#xa0;:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Nombre max.&#xa0;:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Réglages de la caméra</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Mode caméra</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Mode sécurité</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Position de la caméra</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallomètre</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Déclencheur PIR</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Intervalle PIR</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>Commande par SMS</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Taille photo</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Rafale photo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durée vidéo</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Appeau</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>H&#xa0;:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min&#xa0;:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Régler l&apos;horloge&#xa0;: (heure système)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Plage horaire</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Jours de fonctionnement </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Tout sélectionner</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Dimanche</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Lundi</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Mardi</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Mercredi</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Jeudi</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Vendredi</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Samedi</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Envoyer à </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Mode d&apos;envoi </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Heure d&apos;envoi&#xa0;:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Nombre max.&#xa0;:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Réglages de la caméra</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Mode caméra</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Envoyer à</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Position de la caméra</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Taille photo</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Rafale photo</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Taille vidéo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Durée vidéo</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Appeau</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>H&#xa0;:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>Min&#xa0;:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Régler l&apos;horloge&#xa0;: (heure système)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Plage horaire</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Plage horaire</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Intervallomètre</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Déclencheur PIR</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Intervalle PIR</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>Commande par SMS</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Mode d&apos;envoi </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Heure d&apos;envoi&#xa0;:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Nombre max.&#xa0;:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> Réglages WAP/Internet </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Choisir le pays</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Choisir l&apos;opérateur</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>&amp;Vérifier les paramètres WAP/Internet</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Réglages de la caméra </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Cliquez sur «&#xa0;Valeurs par défaut&#xa0;» si vous ne savez pas comment modifier les réglages de la caméra.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>&amp;Modifier les réglages</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Destinataires </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Numéro administrateur&#xa0;:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Téléphone 2&#xa0;:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Téléphone 3&#xa0;:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Téléphone 4&#xa0;:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>E-mail destinataire 1&#xa0;:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>E-mail destinataire 2&#xa0;:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>E-mail destinataire 3&#xa0;:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>E-mail destinataire 4&#xa0;:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Attention&#xa0;: les données ci-dessus seront enregistrées dans ce fichier&#xa0;:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Eject (&amp;E)</source>
        <translation>É&amp;jecter</translation>
    </message>
    <message>
        <source>Many Cards... (&amp;M)</source>
        <translation>&amp;Plusieurs cartes...</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – version suédoise</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Choisir le produit</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Mémoriser mon choix</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> Serveur SMTP </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Ce service exige &amp;SSL</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>Paramètres WAP/Internet</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>Paramètres WAP/Internet</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> Réglages WAP</translation>
    </message>
    <message>
        <source>MMS URL :</source>
        <translation>URL MMS&#xa0;:</translation>
    </message>
    <message>
        <source>MMS APN :</source>
        <translation>APN MMS&#xa0;:</translation>
    </message>
    <message>
        <source>PORT :</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>IP MMS&#xa0;:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>&amp;Effacer les paramètres</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Réglages Internet </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>APN GPRS&#xa0;:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>Compte GPRS&#xa0;:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>Mot de passe GPRS&#xa0;:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Serveur d&apos;envoi&#xa0;:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Adresse d&apos;expéditeur&#xa0;:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Mot de passe d&apos;expéditeur&#xa0;:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>&amp;Avancé…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>&amp;Tester l&apos;e-mail</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>CardStationDlg</name>
    <message>
        <source>Cameras (&amp;A):</source>
        <translation>&amp;Caméras&#xa0;:</translation>
    </message>
    <message>
        <source>Open List... (&amp;O)</source>
        <translation>&amp;Ouvrir une liste...</translation>
    </message>
    <message>
        <source>Add Camera (&amp;D)</source>
        <translation>&amp;Ajouter une caméra</translation>
    </message>
    <message>
        <source>Remove Camera (&amp;R)</source>
        <translation>&amp;Retirer la caméra</translation>
    </message>
    <message>
        <source>Write over a settings file already on a card (&amp;W)</source>
        <translation>&amp;Écraser un fichier de réglages déjà présent sur la carte mémoire</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartes mémoire&#xa0;:</translation>
    </message>
    <message>
        <source>Start (&amp;S)</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Stop (&amp;T)</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Close (&amp;L)</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Impossible de supprimer le dossier «&#xa0;C:\WKS_TEMP&#xa0;»&#x202f;!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>Pour enregistrer le fichier audio, les fichiers existants «&#xa0;IMAG0001.JPG&#xa0;» et «&#xa0;VIDE0001.AVI&#xa0;» doivent être renommés. Continuer&#x202f;?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Le fichier audio ne sera pas enregistré.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>Impossible de renommer «&#xa0;IMAG0001.JPG&#xa0;» ou «&#xa0;VIDE0001.AVI&#xa0;»&#x202f;!
Vous pouvez les supprimer ou les renommer manuellement.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Le fichier audio a été enregistré.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>La conversion a échoué.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>Impossible de supprimer %1&#x202f;!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>Impossible d&apos;écrire %1 (%2)&#x202f;!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>Conseil WKS</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>Conseil WKS</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Impossible d&apos;enregistrer les réglages dans «&#xa0;%1&#xa0;»&#x202f;!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Erreur dans CWKS_MainParaDlg::%1()&#x202f;!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Aucun lecteur n&apos;est utilisable&#x202f;!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Impossible de supprimer le fichier non valide «&#xa0;%1&#xa0;».
Supprimez-le manuellement.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Impossible de supprimer la sauvegarde non valide.
Supprimez-la manuellement.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;». Supprimez le fichier manuellement.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Remettre tous les réglages de la caméra aux valeurs par défaut&#x202f;?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Les valeurs par défaut n&apos;ont pas été appliquées, rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Tous les réglages de la caméra ont été remis aux valeurs par défaut.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Enregistrer tous les réglages dans «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Tous les réglages ont été enregistrés.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Appel non valide de CWKS_ModSelDlg::Mng_RegistryValue()&#x202f;!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Veuillez choisir un produit&#x202f;!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Erreur dans CWKS_ModSelDlg::Mng_JumpToMain()&#x202f;!
La liste des produits est vide.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Le fichier n&apos;existe pas&#x202f;!
Conserver le dernier fichier audio ajouté&#x202f;?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Le fichier n&apos;existe pas&#x202f;!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Conserver le dernier fichier audio ajouté&#x202f;?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>État incorrect du champ «&#xa0;Jours de fonctionnement&#xa0;»&#x202f;!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>«&#xa0;Intervallomètre&#xa0;» et «&#xa0;Déclencheur PIR&#xa0;» ne peuvent pas être sur «&#xa0;OFF&#xa0;» en même temps&#x202f;!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>«&#xa0;Déclencheur PIR&#xa0;» et «&#xa0;Intervallomètre&#xa0;» ne peuvent pas être sur «&#xa0;OFF&#xa0;» en même temps&#x202f;!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Enregistrer tous les réglages de la caméra&#x202f;?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Les réglages de la caméra ont été enregistrés.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Erreur dans CWKS_CamParaGroup1Dlg::OnInitDialog()&#x202f;!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Appel non valide de ManageOtherUI()&#x202f;!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Enregistrer tous les paramètres WAP/Internet&#x202f;?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>Les paramètres WAP/Internet ont été enregistrés.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Appel non valide de CUtil::GetDayForYMonth()&#x202f;!</translation>
    </message>
    <message>
        <source>ffmpeg is not installed, and the game call is converted with it: install the package ffmpeg.</source>
        <translation>ffmpeg n&apos;est pas installé, or c&apos;est lui qui convertit l&apos;appeau&#xa0;: installez le paquet ffmpeg.</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>la carte est en lecture seule</translation>
    </message>
    <message>
        <source>the drive is read-only</source>
        <translation>le lecteur est en lecture seule</translation>
    </message>
    <message>
        <source>%1: (not usable: no folder)</source>
        <translation>%1: (inutilisable&#xa0;: aucun dossier)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no folder)</source>
        <translation>%1: est %2 (inutilisable&#xa0;: aucun dossier)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: not enterable)</source>
        <translation>%1: est %2 (inutilisable&#xa0;: inaccessible)</translation>
    </message>
    <message>
        <source>%1: is %2 (not usable: no answer in time)</source>
        <translation>%1: est %2 (inutilisable&#xa0;: pas de réponse à temps)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3, %4 free)</source>
        <translation>%1: est %2 (%3, %4 libres)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3)</source>
        <translation>%1: est %2 (%3)</translation>
    </message>
    <message>
        <source>%1: is %2 (%3 free)</source>
        <translation>%1: est %2 (%3 libres)</translation>
    </message>
    <message>
        <source>%1: is %2</source>
        <translation>%1: est %2</translation>
    </message>
    <message>
        <source>line %1, column &quot;%2&quot;: %3</source>
        <translation>ligne %1, colonne «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>aucune ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>the column is named twice</source>
        <translation>la colonne est nommée deux fois</translation>
    </message>
    <message>
        <source>no key of %1&apos;s settings file, nor a column of a deployments table</source>
        <translation>ni une clé du fichier de réglages de la %1, ni une colonne d&apos;une table de déploiements</translation>
    </message>
    <message>
        <source>the camera clock is not set per camera</source>
        <translation>l&apos;horloge de la caméra ne se règle pas caméra par caméra</translation>
    </message>
    <message>
        <source>line 1: no column &quot;cameraID&quot;</source>
        <translation>ligne 1&#xa0;: aucune colonne «&#xa0;cameraID&#xa0;»</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>ligne %1&#xa0;: %2 champs, l&apos;en-tête en a %3</translation>
    </message>
    <message>
        <source>no cameraID</source>
        <translation>aucun cameraID</translation>
    </message>
    <message>
        <source>a cameraID holds a line break</source>
        <translation>un cameraID contient un saut de ligne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>«&#xa0;%1&#xa0;» figure déjà à la ligne %2</translation>
    </message>
    <message>
        <source>the value holds a line break</source>
        <translation>la valeur contient un saut de ligne</translation>
    </message>
    <message>
        <source>a character that the camera&apos;s files cannot hold (Latin-1 only)</source>
        <translation>un caractère que les fichiers de la caméra ne peuvent pas contenir (Latin-1 uniquement)</translation>
    </message>
    <message>
        <source>the list names no camera</source>
        <translation>la liste ne nomme aucune caméra</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>cannot write the report &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire le rapport «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the report %1: %2</source>
        <translation>le rapport %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the report &quot;%1&quot; has other columns than this run&apos;s list: give another report</source>
        <translation>le rapport «&#xa0;%1&#xa0;» a d&apos;autres colonnes que la liste de cette série&#xa0;: indiquez un autre rapport</translation>
    </message>
    <message>
        <source>the card is read-only (%1)</source>
        <translation>la carte mémoire est protégée en écriture (%1)</translation>
    </message>
    <message>
        <source>the card is full (%1)</source>
        <translation>la carte mémoire est pleine (%1)</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written (%1)</source>
        <translation>la carte mémoire a été retirée ou a failli pendant l&apos;écriture (%1)</translation>
    </message>
    <message>
        <source>unknown model &quot;%1&quot;</source>
        <translation>modèle inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot write the backup %1: %2</source>
        <translation>impossible d&apos;écrire la sauvegarde %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the game call is converted with ffmpeg, which is not installed: install the package ffmpeg</source>
        <translation>l&apos;appeau est converti avec ffmpeg, qui n&apos;est pas installé&#xa0;: installez le paquet ffmpeg</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2</source>
        <translation>l&apos;appeau %1 n&apos;a pas pu être converti&#xa0;: %2</translation>
    </message>
    <message>
        <source>the game call %1 could not be converted: %2 (%3)</source>
        <translation>l&apos;appeau %1 n&apos;a pas pu être converti&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; could not be renamed</source>
        <translation>«&#xa0;IMAG0001.JPG&#xa0;» ou «&#xa0;VIDE0001.AVI&#xa0;» n&apos;a pas pu être renommé</translation>
    </message>
    <message>
        <source>the game call read back is not the one written</source>
        <translation>l&apos;appeau relu n&apos;est pas celui qui a été écrit</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 a disparu&#xa0;: démontez chaque carte mémoire avant de la retirer</translation>
    </message>
    <message>
        <source>it holds %1 already; it is written over only when the run says so</source>
        <translation>elle contient déjà %1&#xa0;; il n&apos;est écrasé que si la série le demande</translation>
    </message>
    <message>
        <source>it holds the settings file of a %1 (%2)</source>
        <translation>elle contient le fichier de réglages d&apos;une %1 (%2)</translation>
    </message>
    <message>
        <source>this card was written for %1 — safe to remove</source>
        <translation>cette carte mémoire a été écrite pour %1 — peut être retirée en toute sécurité</translation>
    </message>
    <message>
        <source>this card was written for %1 — unmount it before you remove it</source>
        <translation>cette carte mémoire a été écrite pour %1 — démontez la carte avant de la retirer</translation>
    </message>
    <message>
        <source>card left untouched: %1 — safe to remove</source>
        <translation>carte mémoire laissée intacte&#xa0;: %1 — peut être retirée en toute sécurité</translation>
    </message>
    <message>
        <source>card left untouched: %1 — unmount it before you remove it</source>
        <translation>carte mémoire laissée intacte&#xa0;: %1 — démontez la carte avant de la retirer</translation>
    </message>
    <message>
        <source>%1 (the report could not be written: %2)</source>
        <translation>%1 (le rapport n&apos;a pas pu être écrit&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1 not written: %2 — safe to remove</source>
        <translation>%1 non écrite&#xa0;: %2 — peut être retirée en toute sécurité</translation>
    </message>
    <message>
        <source>%1 not written: %2 — remove the card and try again</source>
        <translation>%1 non écrite&#xa0;: %2 — retirez la carte mémoire et réessayez</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be written: %2</source>
        <translation>la copie de la caméra %1 n&apos;a pas pu être écrite&#xa0;: %2</translation>
    </message>
    <message>
        <source>the camera&apos;s copy %1 could not be read: %2</source>
        <translation>la copie de la caméra %1 n&apos;a pas pu être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>the game call: %1</source>
        <translation>l&apos;appeau&#xa0;: %1</translation>
    </message>
    <message>
        <source>the card could not be read back: %1</source>
        <translation>la carte mémoire n&apos;a pas pu être relue&#xa0;: %1</translation>
    </message>
    <message>
        <source>the card gave back other bytes than were written</source>
        <translation>la carte mémoire a rendu d&apos;autres octets que ceux écrits</translation>
    </message>
    <message>
        <source>the camera would not read it: %1</source>
        <translation>la caméra ne le lirait pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 terminée — peut être retirée en toute sécurité</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 terminée — démontez la carte avant de la retirer</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it (%2)</source>
        <translation>%1 terminée — démontez la carte avant de la retirer (%2)</translation>
    </message>
    <message>
        <source>SMTP SSL is 0, 1 or empty, not &quot;%1&quot;</source>
        <translation>SMTP SSL vaut 0, 1 ou rien, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network key of %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une clé réseau de la %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a camera key of %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une clé de caméra de la %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not a number</source>
        <translation>«&#xa0;%1&#xa0;» pour «&#xa0;%2&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of %2&apos;s settings file</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une clé du fichier de réglages de la %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>no file mark: [WKSFileMark] Model is missing</source>
        <translation>pas de marque de fichier&#xa0;: [WKSFileMark] Model manque</translation>
    </message>
    <message>
        <source>file mark &quot;%1&quot; is not %2</source>
        <translation>la marque de fichier «&#xa0;%1&#xa0;» n&apos;est pas %2</translation>
    </message>
    <message>
        <source>[%1] %2 is missing</source>
        <translation>[%1] %2 manque</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters, the most the program writes</source>
        <translation>[%1] %2 dépasse %3 caractères, le plus que le programme écrit</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>[%1] %2 «&#xa0;%3&#xa0;» n&apos;est ni 0 ni 1</translation>
    </message>
    <message>
        <source>[%1] %2 is longer than %3 characters</source>
        <translation>[%1] %2 dépasse %3 caractères</translation>
    </message>
    <message>
        <source>[%1] %2 &quot;%3&quot; is not a number</source>
        <translation>[%1] %2 «&#xa0;%3&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is outside %4 to %5</source>
        <translation>[%1] %2 %3 est hors de %4 à %5</translation>
    </message>
    <message>
        <source>the camera clock is not a valid date and time</source>
        <translation>l&apos;horloge de la caméra n&apos;est pas une date et une heure valides</translation>
    </message>
    <message>
        <source>[%1] %2 is not a key of %3</source>
        <translation>[%1] %2 n&apos;est pas une clé de la %3</translation>
    </message>
    <message>
        <source>%1 for %2: %4, not %3</source>
        <translation>%1 pour %2&#xa0;: %4, pas %3</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG&#xa0;: pour %1 – version suédoise</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG&#xa0;: pour %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Pour envoyer des e-mails, la caméra a besoin de votre propre compte d&apos;expéditeur&#xa0;: saisissez-le sous «&#xa0;Vérifier les paramètres WAP/Internet&#xa0;».</translation>
    </message>
</context>
<context>
    <name>wks::mail</name>
    <message>
        <source>Cancelled during %1.</source>
        <translation>Annulé pendant l&apos;étape %1.</translation>
    </message>
    <message>
        <source>%1 failed: SEND EMAIL SERVER is empty.</source>
        <translation>Échec de l&apos;étape %1&#xa0;: le serveur d&apos;envoi est vide.</translation>
    </message>
    <message>
        <source>%1 failed: the PORT &quot;%2&quot; is no port number (1 to 65535).</source>
        <translation>Échec de l&apos;étape %1&#xa0;: le port «&#xa0;%2&#xa0;» n&apos;est pas un numéro de port (1 à 65535).</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS</source>
        <translation>L&apos;adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Receive Email 1</source>
        <translation>L&apos;e-mail destinataire 1</translation>
    </message>
    <message>
        <source>The e-mail test needs libcurl: %1</source>
        <translation>Le test d&apos;e-mail a besoin de libcurl&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 failed: &quot;%2&quot; is no server name: check SEND EMAIL SERVER.</source>
        <translation>Échec de l&apos;étape %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nom de serveur&#xa0;: vérifiez le serveur d&apos;envoi.</translation>
    </message>
    <message>
        <source>E-mail test passed</source>
        <translation>Test d&apos;e-mail réussi</translation>
    </message>
    <message>
        <source>E-mail test failed</source>
        <translation>Échec du test d&apos;e-mail</translation>
    </message>
    <message>
        <source>&quot;SMTP SSL&quot; (Advanced... on the WAP / Internet screen)</source>
        <translation>«&#xa0;SMTP SSL&#xa0;» (Avancé… dans la fenêtre Paramètres WAP/Internet)</translation>
    </message>
    <message>
        <source> The server said: &quot;%1&quot;</source>
        <translation> Le serveur a répondu&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>port %1 of %2</source>
        <translation>le port %1 de %2</translation>
    </message>
    <message>
        <source>the name service did not answer within %1: is this computer on the Internet?</source>
        <translation>le service de noms n&apos;a pas répondu en %1&#xa0;: cet ordinateur est-il connecté à Internet&#x202f;?</translation>
    </message>
    <message>
        <source>the server name &quot;%1&quot; is unknown: check SEND EMAIL SERVER (or this computer is not on the Internet).</source>
        <translation>le nom de serveur «&#xa0;%1&#xa0;» est inconnu&#xa0;: vérifiez le serveur d&apos;envoi (ou cet ordinateur n&apos;est pas connecté à Internet).</translation>
    </message>
    <message>
        <source>nothing answered on %1 within %2: check the PORT beside SEND EMAIL SERVER, or a firewall is in the way.</source>
        <translation>rien n&apos;a répondu sur %1 en %2&#xa0;: vérifiez le port à côté du serveur d&apos;envoi, ou un pare-feu fait obstacle.</translation>
    </message>
    <message>
        <source>nothing listens on %1: check the PORT beside SEND EMAIL SERVER (mail providers take mail on 465 with SSL, or on 587 or 25).</source>
        <translation>rien n&apos;écoute sur %1&#xa0;: vérifiez le port à côté du serveur d&apos;envoi (les fournisseurs de messagerie acceptent le courrier sur 465 avec SSL, ou sur 587 ou 25).</translation>
    </message>
    <message>
        <source>SMTP SSL is ticked, but the server speaks plain text on port %1 (it said &quot;%2&quot;). Untick %3, or use the server&apos;s SSL port, usually 465.</source>
        <translation>SMTP SSL est coché, mais le serveur parle en clair sur le port %1 (il a répondu «&#xa0;%2&#xa0;»). Décochez %3, ou utilisez le port SSL du serveur, en général 465.</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but did not start TLS within %3.</source>
        <translation>%1 a accepté la connexion sur le port %2 mais n&apos;a pas démarré TLS en %3.</translation>
    </message>
    <message>
        <source>the encryption could not be started (%1).</source>
        <translation>le chiffrement n&apos;a pas pu démarrer (%1).</translation>
    </message>
    <message>
        <source>the server speaks TLS on port %1, but SMTP SSL is not ticked. Tick %2, or use the server&apos;s plain-text port, usually 587 or 25.</source>
        <translation>le serveur parle TLS sur le port %1, mais SMTP SSL n&apos;est pas coché. Cochez %2, ou utilisez le port en clair du serveur, en général 587 ou 25.</translation>
    </message>
    <message>
        <source>the server refused to talk.%1</source>
        <translation>le serveur a refusé le dialogue.%1</translation>
    </message>
    <message>
        <source>%1 took the connection on port %2 but said nothing within %3.</source>
        <translation>%1 a accepté la connexion sur le port %2 mais n&apos;a rien dit en %3.</translation>
    </message>
    <message>
        <source>the server closed the connection without a greeting (%1).</source>
        <translation>le serveur a fermé la connexion sans message d&apos;accueil (%1).</translation>
    </message>
    <message>
        <source>the server wants encryption before the login (it offers STARTTLS), but SMTP SSL is not ticked. The camera must use SSL: tick %1 and use the server&apos;s SSL port, usually 465.%2</source>
        <translation>le serveur exige le chiffrement avant l&apos;identification (il propose STARTTLS), mais SMTP SSL n&apos;est pas coché. La caméra doit utiliser SSL&#xa0;: cochez %1 et utilisez le port SSL du serveur, en général 465.%2</translation>
    </message>
    <message>
        <source>the server did not answer the login within %1.</source>
        <translation>le serveur n&apos;a pas répondu à l&apos;identification en %1.</translation>
    </message>
    <message>
        <source>the server offers no login on port %1: check the PORT (mail providers take logins on 465 with SSL, or on 587).</source>
        <translation>le serveur ne propose pas d&apos;identification sur le port %1&#xa0;: vérifiez le port (les fournisseurs de messagerie acceptent l&apos;identification sur 465 avec SSL, ou sur 587).</translation>
    </message>
    <message>
        <source>the server offers no way of logging in that the camera knows (%1).</source>
        <translation>le serveur ne propose aucune méthode d&apos;identification connue de la caméra (%1).</translation>
    </message>
    <message>
        <source>the server refused the address and password. The password is the likely fault (many providers want an app password for devices): check SEND EMAIL PASSWORD, then SEND EMAIL ADDRESS.%1</source>
        <translation>le serveur a refusé l&apos;adresse et le mot de passe. Le mot de passe est probablement en cause (beaucoup de fournisseurs exigent un mot de passe d&apos;application pour les appareils)&#xa0;: vérifiez le mot de passe d&apos;expéditeur, puis l&apos;adresse d&apos;expéditeur.%1</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>the server did not answer within %1 while taking the test message.</source>
        <translation>le serveur n&apos;a pas répondu en %1 pendant la réception du message de test.</translation>
    </message>
    <message>
        <source>the server does not let %1 send.%2</source>
        <translation>le serveur ne laisse pas %1 envoyer.%2</translation>
    </message>
    <message>
        <source>the server refused the recipient %1.%2</source>
        <translation>le serveur a refusé le destinataire %1.%2</translation>
    </message>
    <message>
        <source>the server did not take the test message.%1</source>
        <translation>le serveur n&apos;a pas accepté le message de test.%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>it is self-signed</source>
        <translation>il est auto-signé</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>il a expiré</translation>
    </message>
    <message>
        <source>it is not valid yet</source>
        <translation>il n&apos;est pas encore valide</translation>
    </message>
    <message>
        <source>it is signed by an authority this computer does not know</source>
        <translation>il est signé par une autorité que cet ordinateur ne connaît pas</translation>
    </message>
    <message>
        <source>this computer&apos;s certificates cannot be read</source>
        <translation>les certificats de cet ordinateur sont illisibles</translation>
    </message>
    <message>
        <source>it is made out to another name than %1</source>
        <translation>il est établi pour un autre nom que %1</translation>
    </message>
    <message>
        <source>it is not accepted</source>
        <translation>il n&apos;est pas accepté</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>holds a blank</source>
        <translation>contient une espace</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;</source>
        <translation>contient «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>has no &quot;@&quot;</source>
        <translation>ne contient pas de «&#xa0;@&#xa0;»</translation>
    </message>
    <message>
        <source>holds more than one &quot;@&quot;</source>
        <translation>contient plus d&apos;un «&#xa0;@&#xa0;»</translation>
    </message>
    <message>
        <source>has nothing before its &quot;@&quot;</source>
        <translation>n&apos;a rien avant son «&#xa0;@&#xa0;»</translation>
    </message>
    <message>
        <source>has nothing after its &quot;@&quot;</source>
        <translation>n&apos;a rien après son «&#xa0;@&#xa0;»</translation>
    </message>
    <message>
        <source>Name look-up</source>
        <translation>Résolution du nom</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>%1 is an address, nothing to look up</source>
        <translation>%1 est une adresse, rien à résoudre</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 est %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2</source>
        <translation>%1 répond sur le port %2</translation>
    </message>
    <message>
        <source>%1 answers on port %2 (no PORT given: the standard port)</source>
        <translation>%1 répond sur le port %2 (aucun port indiqué&#xa0;: le port standard)</translation>
    </message>
    <message>
        <source>the connection is encrypted from the first byte</source>
        <translation>la connexion est chiffrée dès le premier octet</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password (%2)</source>
        <translation>le serveur a accepté %1 et son mot de passe (%2)</translation>
    </message>
    <message>
        <source>the server accepted %1 and its password</source>
        <translation>le serveur a accepté %1 et son mot de passe</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted (%2)</source>
        <translation>le message de test à %1 a été accepté (%2)</translation>
    </message>
    <message>
        <source>the test message to %1 was accepted</source>
        <translation>le message de test à %1 a été accepté</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the test took longer than %1 in all</source>
        <translation>le test a duré plus de %1 au total</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>Échec de l&apos;étape %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2); the password is sent anyway, as asked.</source>
        <translation>Attention&#xa0;: le certificat du serveur ne peut pas être vérifié&#xa0;: %1 (%2)&#x202f;; le mot de passe est tout de même envoyé, comme demandé.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s certificate cannot be verified: %1 (%2).</source>
        <translation>Attention&#xa0;: le certificat du serveur ne peut pas être vérifié&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source> Besides, the server offers no login on port %1.</source>
        <translation> De plus, le serveur ne propose pas d&apos;identification sur le port %1.</translation>
    </message>
    <message>
        <source>%1 not tried: %2</source>
        <translation>Étape %1 non tentée&#xa0;: %2</translation>
    </message>
    <message>
        <source>the password was not sent, because the server&apos;s certificate cannot be verified: whoever answered may not be the mail server. The camera may refuse the certificate too: ask the mail provider which server name and port to use.%1</source>
        <translation>le mot de passe n&apos;a pas été envoyé, car le certificat du serveur ne peut pas être vérifié&#xa0;: ce qui a répondu n&apos;est peut-être pas le serveur de messagerie. La caméra peut elle aussi refuser le certificat&#xa0;: demandez au fournisseur de messagerie quel nom de serveur et quel port utiliser.%1</translation>
    </message>
    <message>
        <source>Warning: the password crossed the network unencrypted, as it will from the camera.</source>
        <translation>Attention&#xa0;: le mot de passe a traversé le réseau en clair, comme il le fera depuis la caméra.</translation>
    </message>
    <message>
        <source>%1 %2; an e-mail address is one plain mailbox, such as name@example.org. The test stopped before connecting.</source>
        <translation>%1 %2&#x202f;; une adresse e-mail est une simple boîte aux lettres, comme nom@example.org. Le test s&apos;est arrêté avant la connexion.</translation>
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
        <translation>Autres......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Numéro administrateur</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Fichier de réglages</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>À propos de WKS CONFIG</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>À propos de WKS CONFIG (F1)</translation>
    </message>
    <message>
        <source>Eject the card</source>
        <translation>Éjecter la carte mémoire</translation>
    </message>
    <message>
        <source>%1 is safe to remove.</source>
        <translation>%1 peut être retirée en toute sécurité.</translation>
    </message>
    <message>
        <source>%1 is written; unmount it before you remove it.</source>
        <translation>%1 est écrite&#xa0;; démontez-la avant de la retirer.</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Image du produit</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Aucun produit choisi</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_WapParaDlg</name>
    <message>
        <source>Note: port %1 is kept as %2 (a PORT keeps 4 digits), so the test connects to %2.</source>
        <translation>Remarque&#xa0;: le port %1 est enregistré comme %2 (un port garde 4 chiffres), le test se connecte donc à %2.</translation>
    </message>
    <message>
        <source>Send the password to this server anyway?</source>
        <translation>Envoyer tout de même le mot de passe à ce serveur&#x202f;?</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Appeau sur ON&#xa0;: ajoutez un fichier audio avec le bouton de gauche</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Appeau, heure</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Appeau, minute</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Début, heure</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Début, minute</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Fin, heure</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Fin, minute</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Heure d&apos;envoi, heure</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Heure d&apos;envoi, minute</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Fichier audio</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Date de la caméra</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure de la caméra</translation>
    </message>
</context>
<context>
    <name>wks::ui::CardStationDlg</name>
    <message>
        <source>Many Cards: %1</source>
        <translation>Plusieurs cartes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte mémoire</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Camera List</source>
        <translation>Liste des caméras</translation>
    </message>
    <message>
        <source>%1 of %2 cameras done</source>
        <translation>%1 caméras sur %2 terminées</translation>
    </message>
    <message>
        <source>Left alone: it is not a memory card</source>
        <translation>Laissé intact&#xa0;: ce n’est pas une carte mémoire</translation>
    </message>
    <message>
        <source>Every camera is done.</source>
        <translation>Toutes les caméras sont terminées.</translation>
    </message>
    <message>
        <source>The next card gets %1.</source>
        <translation>La carte suivante reçoit %1.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>written</source>
        <translation>écrite</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>%1 done — safe to remove</source>
        <translation>%1 terminée — peut être retirée en toute sécurité</translation>
    </message>
    <message>
        <source>%1 done — unmount it before you remove it</source>
        <translation>%1 terminée — démontez la carte avant de la retirer</translation>
    </message>
    <message>
        <source>This card was written for %1</source>
        <translation>Cette carte mémoire a été écrite pour %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds %1 already</source>
        <translation>Carte mémoire laissée intacte&#xa0;: elle contient déjà %1</translation>
    </message>
    <message>
        <source>Card left untouched: it holds the settings file of a %1</source>
        <translation>Carte mémoire laissée intacte&#xa0;: elle contient le fichier de réglages d&apos;une %1</translation>
    </message>
    <message>
        <source>the card is read-only</source>
        <translation>la carte mémoire est protégée en écriture</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>la carte mémoire est pleine</translation>
    </message>
    <message>
        <source>the card went away or failed while it was written</source>
        <translation>la carte mémoire a été retirée ou a failli pendant l&apos;écriture</translation>
    </message>
    <message>
        <source>%1 not written: %2</source>
        <translation>%1 non écrite&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 — safe to remove</source>
        <translation>%1 — peut être retirée en toute sécurité</translation>
    </message>
    <message>
        <source>%1 — unmount it before you remove it</source>
        <translation>%1 — démontez la carte avant de la retirer</translation>
    </message>
    <message>
        <source>UDisks2 went away: unmount each card before you remove it</source>
        <translation>UDisks2 a disparu&#xa0;: démontez chaque carte mémoire avant de la retirer</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Conversion de l&apos;appeau…</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Fichier audio (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>La caméra n&apos;accepte ici que les chiffres de 0 à 9.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>La caméra n&apos;accepte que les caractères Latin-1&#xa0;: A à Z, a à z, 0 à 9, les signes et les lettres d&apos;Europe de l&apos;Ouest comme é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Test du compte e-mail…</translation>
    </message>
</context>
<context>
    <name>wks::ui::Picture</name>
    <message>
        <source>Settings for GSM / MMS trail cameras</source>
        <translation>Réglages des caméras de chasse GSM / MMS</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Aucun produit choisi</translation>
    </message>
</context>
</TS>
