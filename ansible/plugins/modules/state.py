#!/usr/bin/python
# -*- coding: utf-8 -*-
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: state
short_description: The whole state of a VANTOR FTP server's folder
description:
  - Brings a folder's definition files into one state at once, compared first and each file
    written once, all together; accounts, allowed addresses, mount points and servers, with
    the fields of the modules M(vantor.ftp.account), M(vantor.ftp.address),
    M(vantor.ftp.mount) and M(vantor.ftp.server).
  - With C(prune), what a given list leaves out goes as well; a list not given is left alone.
version_added: 1.0.0
extends_documentation_fragment:
  - vantor.ftp.folder
options:
  prune:
    description:
      - Also removes the accounts (with their addresses), the addresses and the mount points
        (never the root C(/)) that the lists given leave out. A list that is not given, such as
        no C(addresses) at all, is not pruned; an empty list removes them all.
    type: bool
    default: false
  accounts:
    description: Accounts, with the options of M(vantor.ftp.account).
    type: list
    elements: dict
    suboptions:
      name: {description: The user name., type: str, required: true}
      state: {description: Whether the account is to be there., type: str,
              choices: [present, absent], default: present}
      password: {description: The password; never logged or shown., type: str}
      password_file: {description: A file on the managed host whose first line is the password.,
                      type: path}
      update_password: {description: C(on_create) sets the password only for a new account.,
                        type: str, choices: [always, on_create], default: always}
      level: {description: The level., type: str, choices: [root, super, normal, guest, '']}
      group: {description: The group., type: str}
      enabled: {description: Whether the account may log in., type: bool}
      download_limit: {description: The download speed limit in kb/s., type: int}
      upload_limit: {description: The upload speed limit in kb/s., type: int}
      ratio: {description: N of the ratio 1:N., type: int}
      max_logins: {description: The most logins at once., type: int}
      ip_check_off: {description: Whether the client address goes unchecked., type: bool}
      note: {description: A note., type: str}
      language: {description: The language., type: str, choices: [default, eng, cht, jpn, '']}
  addresses:
    description: Allowed addresses, with the options of M(vantor.ftp.address).
    type: list
    elements: dict
    suboptions:
      address: {description: A full IPv4 address or a prefix ending in C(.)., type: str,
                required: true}
      account: {description: The account admitted; none for every account., type: str}
      state: {description: Whether the entry is to be there., type: str,
              choices: [present, absent], default: present}
  mounts:
    description: Mount points, with the options of M(vantor.ftp.mount).
    type: list
    elements: dict
    suboptions:
      virtual: {description: The virtual path., type: str, required: true}
      physical: {description: An existing directory., type: path}
      owner: {description: The owner., type: str}
      group: {description: The owner group., type: str}
      permissions: {description: Three digits such as C("754")., type: str}
      inherit: {description: Whether the directories below take the rights., type: bool}
      state: {description: Whether the mount point is to be there., type: str,
              choices: [present, absent], default: present}
  servers:
    description: Server configurations, with the options of M(vantor.ftp.server).
    type: list
    elements: dict
    suboptions:
      name: {description: The server name., type: str, required: true}
      root: {description: The root directory., type: path}
      keys: {description: Keys of section FTPD., type: dict}
      enabled: {description: Whether the server starts at launch., type: bool}
author:
  - VANTOR wizard developers (@vantor)
'''

EXAMPLES = r'''
- name: The folder holds exactly these accounts, addresses and mount points
  vantor.ftp.state:
    dir: /srv/ftp
    prune: true
    servers:
      - name: web
        root: /srv/ftp/files
        keys: {LISTEN_PORT: 2121}
    accounts:
      - {name: alice, level: normal, group: staff, password_file: /run/secrets/alice}
      - {name: bob, group: staff, password: "{{ vault_bob }}", update_password: on_create}
    addresses:
      - {account: alice, address: 10.0.0.}
      - {address: 192.168.1.}
    mounts:
      - {virtual: /pub, physical: /srv/ftp/files/pub, owner: alice, group: staff,
         permissions: "754"}
'''

RETURN = r'''
accounts:
  description: Each account and what became of it (added, changed, removed or unchanged), with
    the names of the changed fields; never a password.
  returned: always
  type: list
  elements: dict
addresses:
  description: Each address entry and what became of it.
  returned: always
  type: list
  elements: dict
mounts:
  description: Each mount point and what became of it.
  returned: always
  type: list
  elements: dict
servers:
  description: Each server and what became of it.
  returned: always
  type: list
  elements: dict
files:
  description: Each file read, and whether it is added, changed or unchanged.
  returned: always
  type: list
  elements: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.vantor.ftp.plugins.module_utils.vantor_admin import (
    ACCOUNT_FIELDS, ADDRESS_FIELDS, MOUNT_FIELDS, SERVER_FIELDS, apply_state, argument_spec,
    entry)

SECTIONS = dict(accounts=ACCOUNT_FIELDS, addresses=ADDRESS_FIELDS, mounts=MOUNT_FIELDS,
                servers=SERVER_FIELDS)


def main():
    fields = dict(prune=dict(type='bool', default=False))
    for section, options in SECTIONS.items():
        fields[section] = dict(type='list', elements='dict', options=options)
    module = AnsibleModule(argument_spec=argument_spec(fields), supports_check_mode=True)
    state = {}
    for section, options in SECTIONS.items():
        if module.params[section] is not None:
            state[section] = [entry(item, options) for item in module.params[section]]
    apply_state(module, state, prune=module.params['prune'])


if __name__ == '__main__':
    main()
