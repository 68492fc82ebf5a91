#!/usr/bin/python
# -*- coding: utf-8 -*-
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: server
short_description: A server configuration of a VANTOR FTP server's folder
description:
  - Keeps C(NAME.ftpd) with the keys of section FTPD given, and its line in the startup list.
  - A server that does not exist yet is made as C(vantor-admin server create) makes it, writing
    C(NAME.ftpd) with every key, C(NAME.vfs) with the root mount point when that file does not
    exist, and the startup line; it needs C(root).
  - Every other byte of an existing configuration is kept.
version_added: 1.0.0
extends_documentation_fragment:
  - vantor.ftp.folder
options:
  name:
    description: The server name, which names its file C(NAME.ftpd) in the folder.
    type: str
    required: true
  root:
    description:
      - The root directory, an existing directory given as an absolute path; it is the physical
        path of the root mount point C(/) of the server's C(*.vfs) file.
    type: path
  keys:
    description:
      - Keys of section FTPD and their values, such as C(LISTEN_PORT) or C(ALLOW_ANON), checked
        as the wizard's pages check them; a flag takes C(true) or C(false) as well as 1 or 0.
    type: dict
  enabled:
    description:
      - Whether the server starts at launch (its line in the startup list). A new server does
        unless told; an existing one is left as it is unless told.
    type: bool
author:
  - VANTOR wizard developers (@vantor)
'''

EXAMPLES = r'''
- name: The web server on port 2121
  vantor.ftp.server:
    dir: /srv/ftp
    name: web
    root: /srv/ftp/files
    keys:
      LISTEN_PORT: 2121
      ALLOW_ANON: false
      USER_MAX: 64

- name: The old server no longer starts at launch
  vantor.ftp.server:
    dir: /srv/ftp
    name: old
    enabled: false
'''

RETURN = r'''
servers:
  description: The server and what became of it (added, changed or unchanged), with the keys
    changed, C(root) and C(enabled).
  returned: always
  type: list
  elements: dict
  sample: [{"name": "web", "outcome": "changed", "fields": ["LISTEN_PORT", "enabled"]}]
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
addresses:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
mounts:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.vantor.ftp.plugins.module_utils.vantor_admin import (
    SERVER_FIELDS, apply_state, argument_spec, entry)


def main():
    module = AnsibleModule(argument_spec=argument_spec(SERVER_FIELDS), supports_check_mode=True)
    apply_state(module, dict(servers=[entry(module.params, SERVER_FIELDS)]))


if __name__ == '__main__':
    main()
