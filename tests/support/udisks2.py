# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
'''A UDisks2 of cards on real folders, a template of python-dbusmock for the card station's tests.

A card is a folder: while it is not mounted it lies at its "store" path, mounting moves it to
its "media" path (and unmounting back); a card whose two paths are the same stays where it is
(a read-only or failing folder mounted by the test); a card whose store is a file is a file
system image, mounted for real through a loop device and unmounted with umount (this needs
root, in a mount namespace of the caller's own: the station's benchmark). PowerOff takes the card's objects away, as
a reader's slot that is powered off. AddCard and RemoveCard (a card pulled out) drive it.
'''

import os
import subprocess

import dbus
from gi.repository import GLib

from dbusmock import MOCK_IFACE, mockobject

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
MAIN_IFACE = 'org.freedesktop.UDisks2.Manager'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True

BLOCK = 'org.freedesktop.UDisks2.Block'
FILESYSTEM = 'org.freedesktop.UDisks2.Filesystem'
DRIVE = 'org.freedesktop.UDisks2.Drive'
CARD = 'org.wksconfig.Test.Card'  # where the mock keeps a card's folders


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, {'Version': '2.9.4'})


def mount_points(path):
    return dbus.Array([dbus.ByteArray(path.encode() + b'\0')], signature='ay')


def fail(name, text):
    raise dbus.exceptions.DBusException(text, name='org.freedesktop.UDisks2.Error.' + name)


def run(args):
    done = subprocess.run(args, capture_output=True, text=True, check=False)
    if done.returncode != 0:
        fail('Failed', done.stderr.strip() or ' '.join(args) + ' failed')


def mount(self, options):
    card = self.props[CARD]
    if card['Refuse']:
        fail('NotAuthorized', 'Not authorized to perform operation')
    if self.props[FILESYSTEM]['MountPoints']:
        fail('AlreadyMounted', 'Device is already mounted')
    if os.path.isfile(card['Store']):
        run(['mount', '-o', 'loop', card['Store'], card['Media']])
    elif card['Store'] != card['Media']:
        os.rename(card['Store'], card['Media'])
    self.UpdateProperties(FILESYSTEM, {'MountPoints': mount_points(card['Media'])})
    return card['Media']


def unmount(self, options):
    card = self.props[CARD]
    if not self.props[FILESYSTEM]['MountPoints']:
        fail('NotMounted', 'Device is not mounted')
    if os.path.isfile(card['Store']):
        run(['umount', card['Media']])
    elif card['Store'] != card['Media']:
        os.rename(card['Media'], card['Store'])
    self.UpdateProperties(FILESYSTEM, {'MountPoints': dbus.Array([], signature='ay')})


def remove(path):
    manager = mockobject.objects[MAIN_OBJ]
    if path in mockobject.objects:
        manager.object_manager_emit_removed(path)
        manager.RemoveObject(path)


def power_off(self, options):
    name = self.__dbus_object_path__.rsplit('/', 1)[1]
    path = self.__dbus_object_path__

    # Once the reply has gone: an object taken off the bus during its own call may lose it.
    def later():
        remove('/org/freedesktop/UDisks2/block_devices/' + name)
        remove(path)
        return False
    GLib.idle_add(later)


@dbus.service.method(MOCK_IFACE, in_signature='sssssssbbb', out_signature='s')
def AddCard(self, name, store, media, device, uuid, label, serial, mounted, can_power_off,
            card_reader):
    '''A card inserted: its folder lies at store (media when mounted). Without card_reader it is
    a USB disk: removable as a drive, but its medium is not.'''
    drive = '/org/freedesktop/UDisks2/drives/' + name
    block = '/org/freedesktop/UDisks2/block_devices/' + name
    self.AddObject(drive, DRIVE, {
        'Removable': True, 'MediaRemovable': card_reader, 'Ejectable': can_power_off,
        'CanPowerOff': can_power_off, 'Serial': serial,
        'ConnectionBus': 'sdio' if card_reader else 'usb',
        'Media': '', 'MediaCompatibility': dbus.Array([], signature='s'),
    }, [])
    mockobject.objects[drive].AddMethods(DRIVE, [
        ('PowerOff', 'a{sv}', '', power_off),
        ('Eject', 'a{sv}', '', power_off),
    ])
    self.object_manager_emit_added(drive)
    self.AddObject(block, BLOCK, {
        'Device': dbus.ByteArray(device.encode() + b'\0'),
        'IdUUID': uuid, 'IdLabel': label, 'IdUsage': 'filesystem',
        'Drive': dbus.ObjectPath(drive), 'HintIgnore': False,
    }, [])
    obj = mockobject.objects[block]
    obj.AddProperties(FILESYSTEM, {
        'MountPoints': mount_points(media) if mounted else dbus.Array([], signature='ay'),
    })
    obj.AddProperties(CARD, {'Store': store, 'Media': media, 'Refuse': False})
    obj.AddMethods(FILESYSTEM, [
        ('Mount', 'a{sv}', 's', mount),
        ('Unmount', 'a{sv}', '', unmount),
    ])
    self.object_manager_emit_added(block)
    return block


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def RemoveCard(self, name):
    '''A card pulled out, mounted or not.'''
    remove('/org/freedesktop/UDisks2/block_devices/' + name)
    remove('/org/freedesktop/UDisks2/drives/' + name)


@dbus.service.method(MOCK_IFACE, in_signature='sb', out_signature='')
def RefuseMount(self, name, refuse):
    '''polkit says no to mounting the card.'''
    mockobject.objects['/org/freedesktop/UDisks2/block_devices/' + name].props[CARD]['Refuse'] = refuse
