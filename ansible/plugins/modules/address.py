#!/usr/bin/python
# -*- coding: utf-8 -*-
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: address
short_description: An allowed client address of a VANTOR FTP server
description:
  - Keeps one entry of the C(*.allow) file of a VANTOR FTP server's folder there, or makes sure
    that it is not.
  - An entry with an account admits that account from the address; an entry without one admits
    every account, as C(vantor-admin allow add --all) writes it.
version_added: 1.0.0
extends_documentation_fragment:
  - vantor.ftp.folder
options:
  address:
    description: A full dotted IPv4 address, or a prefix of one ending in C(.).
    type: str
    required: true
  account:
    description:
      - The account the entry admits, which must exist; none for the entry of every account.
    type: str
  state:
    description: Whether the entry is to be there.
    type: str
    choices: [present, absent]
    default: present
author:
  - VANTOR wizard developers (@vantor)
'''

EXAMPLES = r'''
- name: Alice from the office network
  vantor.ftp.address:
    dir: /srv/ftp
    account: alice
    address: 10.0.0.

- name: Every account from the backup host
  vantor.ftp.address:
    dir: /srv/ftp
    address: 192.168.1.20

- name: No longer from the old network
  vantor.ftp.address:
    dir: /srv/ftp
    account: alice
    address: 172.16.
    state: absent
'''

RETURN = r'''
addresses:
  description: The entry and what became of it (added, removed or unchanged).
  returned: always
  type: list
  elements: dict
  sample: [{"account": "alice", "address": "10.0.0.", "outcome": "added"}]
files:
  description: Each file read, and whether it is added, changed or unchanged.
  returned: always
  type: list
  elements: dict
accounts:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
mounts:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
servers:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.vantor.ftp.plugins.module_utils.vantor_admin import (
    ADDRESS_FIELDS, apply_state, argument_spec, entry)


def main():
    module = AnsibleModule(argument_spec=argument_spec(ADDRESS_FIELDS), supports_check_mode=True)
    apply_state(module, dict(addresses=[entry(module.params, ADDRESS_FIELDS)]))


if __name__ == '__main__':
    main()
