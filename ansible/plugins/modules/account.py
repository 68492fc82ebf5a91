#!/usr/bin/python
# -*- coding: utf-8 -*-
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: account
short_description: An account of a VANTOR FTP server
description:
  - Keeps one account of the C(*.user) file of a VANTOR FTP server's folder as given, or makes
    sure that there is none of the name.
  - Only the fields given are set; the others keep their values, and a new account takes the
    values of a new account in the wizard (no level, allowed, no limits, language default).
  - Removing an account removes its allowed addresses too.
version_added: 1.0.0
extends_documentation_fragment:
  - vantor.ftp.folder
options:
  name:
    description: The user name.
    type: str
    required: true
  state:
    description: Whether the account is to be there.
    type: str
    choices: [present, absent]
    default: present
  password:
    description:
      - The password. It is never logged, shown or passed as an argument, but it stands in the
        playbook or its variables; keep it in a vault, or use C(password_file).
    type: str
  password_file:
    description:
      - A file on the managed host whose first line is the password, such as a secret that
        another tool puts there.
    type: path
  update_password:
    description:
      - C(always) sets the password on every run; C(on_create) only for a new account, so that a
        password the user changed later, or a new salt, is not a change.
    type: str
    choices: [always, on_create]
    default: always
  level:
    description: The level; an empty text for none.
    type: str
    choices: [root, super, normal, guest, '']
  group:
    description: The group; an empty text for none.
    type: str
  enabled:
    description: Whether the account may log in.
    type: bool
  download_limit:
    description: The download speed limit in kb/s, 0 for none.
    type: int
  upload_limit:
    description: The upload speed limit in kb/s, 0 for none.
    type: int
  ratio:
    description: N of the upload ratio 1:N, 0 for none.
    type: int
  max_logins:
    description: The most logins at once, 0 for no limit.
    type: int
  ip_check_off:
    description: Whether the account's client address goes unchecked.
    type: bool
  note:
    description: A note.
    type: str
  language:
    description: The language of the server's messages.
    type: str
    choices: [default, eng, cht, jpn, '']
author:
  - VANTOR wizard developers (@vantor)
'''

EXAMPLES = r'''
- name: Alice, her password from a file that a secret store keeps
  vantor.ftp.account:
    dir: /srv/ftp
    name: alice
    level: normal
    group: staff
    password_file: /run/secrets/alice

- name: Bob, with a password set once and then left to him
  vantor.ftp.account:
    dir: /srv/ftp
    name: bob
    group: staff
    download_limit: 512
    password: "{{ vault_bob_password }}"
    update_password: on_create

- name: No account named old, and none of its addresses
  vantor.ftp.account:
    dir: /srv/ftp
    name: old
    state: absent
'''

RETURN = r'''
accounts:
  description: The account and what became of it (added, changed, removed or unchanged), with
    the names of the changed fields; never a password.
  returned: always
  type: list
  elements: dict
  sample: [{"name": "alice", "outcome": "changed", "fields": ["group"]}]
addresses:
  description: The allowed addresses removed with the account.
  returned: always
  type: list
  elements: dict
files:
  description: Each file read, and whether it is added, changed or unchanged.
  returned: always
  type: list
  elements: dict
  sample: [{"file": "/srv/ftp/default.user", "outcome": "changed"}]
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
    ACCOUNT_FIELDS, apply_state, argument_spec, entry)


def main():
    module = AnsibleModule(argument_spec=argument_spec(ACCOUNT_FIELDS),
                           mutually_exclusive=[('password', 'password_file')],
                           supports_check_mode=True)
    account = entry(module.params, ACCOUNT_FIELDS)
    if account['state'] == 'absent':
        account = dict(name=account['name'], state='absent')
    apply_state(module, dict(accounts=[account]))


if __name__ == '__main__':
    main()
